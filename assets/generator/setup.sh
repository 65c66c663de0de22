#!/usr/bin/env bash
# Installs what the asset generator needs beyond the standard library: only
# its font step uses these (fontTools to cut the subset, the system's Noto
# CJK collection as the source). Asks apt only for what is missing.
set -euo pipefail

packages=(python3 python3-fonttools fonts-noto-cjk)
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
