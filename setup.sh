#!/usr/bin/env bash
# Installs every Debian package the game, its build and its tests need, or
# only the packages named on the command line (the asset generator's set-up
# names its own). Quick when all is there already: apt is only asked for
# what is missing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config ccache
    qt6-base-dev qt6-qpa-plugins libgl-dev qt6-tools-dev qt6-l10n-tools
    libsdl2-dev libpulse-dev libpng-dev
    libgtest-dev libgmock-dev
    clang libclang-rt-14-dev clang-format
    xvfb xauth x11-utils xdotool imagemagick python3 python3-xlib gdb
    mutter dbus-x11 kwin-x11 kwin-style-breeze
    pulseaudio pulseaudio-utils stress-ng
    desktop-file-utils appstream shared-mime-info libglib2.0-bin
    dpkg-dev lintian file
)

if (($#)); then packages=("$@"); fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
