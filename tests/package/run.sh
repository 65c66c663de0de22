#!/usr/bin/env bash
# The Debian package: builds it with CPack from a built tree, checks its
# control fields, computed dependencies, file list and permissions, runs
# lintian, then unpacks it into a scratch root and plays the unpacked copy
# from an unrelated folder on a private X server.
#   run.sh <build-folder> <version>
# Prints PASS/FAIL per check and "N passed, M failed"; non-zero on a failure.
set -u

build=${1:?usage: run.sh <build-folder> <version>}
version=${2:?usage: run.sh <build-folder> <version>}
build=$(cd "$build" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
. "$source_dir/tests/support/report.sh"
. "$source_dir/tests/support/xserver.sh"
app_id=io.github.varnel.Gorvak

for tool in cpack dpkg-deb dpkg-shlibdeps lintian readelf file Xvfb xdotool xwininfo import; do
    if ! command -v "$tool" >/dev/null; then
        fail "setup" "$tool is not installed (run setup.sh)"
        finish
    fi
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/gorvak-package.XXXXXX")
game_pid=""
xvfb_pid=""
cleanup() {
    if [ -n "$game_pid" ]; then kill -KILL "$game_pid" 2>/dev/null; wait "$game_pid" 2>/dev/null; fi
    stop_xvfb
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

# ------------------------------------------------------------ the package

arch=$(dpkg --print-architecture)
deb="$scratch/out/gorvak_${version}_$arch.deb"
if cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 &&
    [ -f "$deb" ]; then
    pass "cpack -G DEB makes gorvak_${version}_$arch.deb"
else
    fail "cpack -G DEB makes gorvak_${version}_$arch.deb" "$(tail -n 5 "$scratch/cpack.log")"
    finish
fi

field() { dpkg-deb -f "$deb" "$1"; }
check "Package is gorvak" test "$(field Package)" = gorvak
check "Version is $version" test "$(field Version)" = "$version"
check "Architecture is $arch" test "$(field Architecture)" = "$arch"
check "Section is games" test "$(field Section)" = games
check "Priority is optional" test "$(field Priority)" = optional
check "Maintainer has an address" grep -Eq '^[^<>]+ <[^@<> ]+@[^@<> ]+\.[a-z]+>$' <<<"$(field Maintainer)"
check "Installed-Size is given" grep -Eq '^[1-9][0-9]*$' <<<"$(field Installed-Size)"
description=$(field Description)
check "Description has a synopsis and a long text" test "$(wc -l <<<"$description")" -ge 5

root="$scratch/root"
mkdir "$root"
if dpkg-deb -x "$deb" "$root"; then pass "dpkg-deb -x"; else fail "dpkg-deb -x"; finish; fi
game="$root/usr/games/gorvak"
tool="$root/usr/games/gorvak-dungeon"
data="$root/usr/share/games/gorvak"

# Depends is dpkg-shlibdeps' work: every library the programs link, by the
# package that holds it, with a version. The sound libraries are loaded while
# the game runs, not linked: their packages are named by hand.
depends=$(field Depends)
echo "Depends: $depends"
needed() { readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'; }
all_needed=$( (needed "$game"; needed "$tool") | sort -u)
check "the game links the Qt widgets" grep -q '^libQt6Widgets\.so' <<<"$all_needed"
check "the game links no sound library" bash -c '! grep -qE "^lib(SDL2|pulse)"' <<<"$all_needed"
owner_of() { # the package that holds a library file, by any of its names
    local p
    for p in "$1" "$(readlink -f "$1")" "${1#/usr}" "/usr${1#/usr}"; do
        dpkg -S "$p" 2>/dev/null | head -n 1 | cut -d: -f1 | grep . && return
    done
}
for lib in $all_needed; do
    path=$( (ldd "$game"; ldd "$tool") | awk -v lib="$lib" '$1 == lib && $3 ~ /^\// { print $3; exit }')
    owner=$(owner_of "$path")
    if [ -z "$owner" ]; then
        fail "Depends holds the package of $lib" "no package owns ${path:-$lib}"
    elif tr ',' '\n' <<<"$depends" | awk -v p="$owner (>= " '{ sub(/^ +/, "") } index($0, p) == 1 { f = 1 } END { exit !f }'; then
        pass "Depends holds $owner (for $lib), with a version"
    else
        fail "Depends holds $owner (for $lib), with a version" "$depends"
    fi
done
for owner in libsdl2-2.0-0 libpulse0; do
    check "Depends holds $owner (loaded while the game runs), with a version" grep -q "$owner (>= " <<<"$depends"
done

# The file list, exactly: the programs, the data from assets/, the menu
# entry, icons and metainfo, the manual pages, copyright and changelog.
(
    cd "$source_dir/assets"
    echo usr/games/gorvak
    echo usr/games/gorvak-dungeon
    find pictures audio fonts -type f ! -name 'LICENSE*' | sed 's|^|usr/share/games/gorvak/|'
    echo usr/share/games/gorvak/Dungeon.gvk
    find icons/hicolor -type f | sed 's|^|usr/share/|'
    echo usr/share/applications/$app_id.desktop
    echo usr/share/metainfo/$app_id.metainfo.xml
    echo usr/share/mime/packages/$app_id.xml
    echo usr/share/thumbnailers/gorvak.thumbnailer
    echo usr/share/man/man6/gorvak.6.gz
    echo usr/share/man/man6/gorvak-dungeon.6.gz
    echo usr/share/doc/gorvak/copyright
    echo usr/share/doc/gorvak/changelog.gz
) | sort >"$scratch/want"
(cd "$root" && find . ! -type d | sed 's|^\./||' | sort) >"$scratch/got"
if diff -u "$scratch/want" "$scratch/got" >"$scratch/files.diff"; then
    pass "file list ($(wc -l <"$scratch/got") files)"
else
    fail "file list" "$(grep '^[-+][^-+]' "$scratch/files.diff" | head -n 10 | tr '\n' ' ')"
fi
for folder in pictures audio; do
    check "$folder are the assets'" diff -r "$source_dir/assets/$folder" "$data/$folder"
done
check "Dungeon.gvk is the assets'" cmp -s "$source_dir/assets/Dungeon.gvk" "$data/Dungeon.gvk"

# Owners and modes as dpkg-deb lists them: root, 0755 programs and folders,
# 0644 everything else.
odd=$(dpkg-deb -c "$deb" | awk '
    $2 != "root/root" { print "owner " $2 " " $6; next }
    $1 ~ /^d/ { if ($1 != "drwxr-xr-x") print $1 " " $6; next }
    $6 ~ /^\.\/usr\/games\// { if ($1 != "-rwxr-xr-x") print $1 " " $6; next }
    $1 != "-rw-r--r--" { print $1 " " $6 }')
check "owners and modes" test -z "$odd"
[ -z "$odd" ] || echo "$odd" | head -n 5

for program in "$game" "$tool"; do
    name=$(basename "$program")
    check "$name is an ELF program" grep -q ELF <<<"$(file -b "$program")"
    check "$name is stripped" grep -q ', stripped' <<<"$(file -b "$program")"
    check "$name has no RPATH" bash -c "! readelf -d '$program' | grep -Eq 'RPATH|RUNPATH'"
done

# Compressed with gzip -9n: no name, no time stamp, best compression.
gzip_header_ok() { # flags (byte 3) without FNAME, mtime zero, XFL 2
    python3 - "$1" <<'EOF'
import sys
h = open(sys.argv[1], "rb").read(10)
sys.exit(0 if h[:3] == b"\x1f\x8b\x08" and not h[3] & 8 and h[4:8] == b"\0\0\0\0" and h[8] == 2 else 1)
EOF
}
for gz in usr/share/man/man6/gorvak.6.gz usr/share/man/man6/gorvak-dungeon.6.gz usr/share/doc/gorvak/changelog.gz; do
    check "$gz is gzip -9n" gzip_header_ok "$root/$gz"
done
check "gorvak(6) carries the version" grep -q "^\.TH GORVAK 6 .*gorvak $version" <(zcat "$root/usr/share/man/man6/gorvak.6.gz")
check "the changelog's latest entry is $version" \
    test "$(dpkg-parsechangelog -l "$root/usr/share/doc/gorvak/changelog.gz" -S Version 2>/dev/null ||
            zcat "$root/usr/share/doc/gorvak/changelog.gz" | sed -n '1s/^gorvak (\(.*\)).*/\1/p')" = "$version"
check "the metainfo's release is $version" grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$app_id.metainfo.xml"
copyright="$root/usr/share/doc/gorvak/copyright"
check "copyright is machine-readable" \
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$copyright"
check "copyright holds the font's licence" grep -q '^License: OFL-1.1$' "$copyright"
check "copyright gives the rest the GPL" grep -q '^License: GPL-3+$' "$copyright"
check "the thumbnailer runs the packaged tool" \
    grep -qx 'Exec="/usr/games/gorvak-dungeon" render --size %s %i %o' "$root/usr/share/thumbnailers/gorvak.thumbnailer"

# lintian: no error; every warning named in the README with its reason.
lintian -I "$deb" >"$scratch/lintian.log" 2>&1
sed 's/^/    lintian: /' "$scratch/lintian.log"
errors=$(grep -c '^E: ' "$scratch/lintian.log")
check "lintian reports no errors" test "$errors" -eq 0
check "lintian ran" bash -c "! grep -q '^internal error\|^Died\|Unknown option' '$scratch/lintian.log'"
for tag in $(sed -n 's/^W: [^:]*: \([a-z0-9-]*\).*/\1/p' "$scratch/lintian.log" | sort -u); do
    check "lintian warning $tag is explained in the README" grep -q -- "$tag" "$source_dir/README.md"
done

# ------------------------------------------------- the unpacked copy plays

if ! start_xvfb "$scratch" 2>"$scratch/xvfb.err"; then
    fail "Xvfb starts" "$(cat "$scratch/xvfb.err")"
    finish
fi
game_environment "$scratch"
mkdir "$scratch/elsewhere"

# The tool draws with the unpacked game's pictures and font.
if (cd "$scratch/elsewhere" && "$tool" render "$data/Dungeon.gvk" map.png) >"$scratch/tool.log" 2>&1 &&
    [ -s "$scratch/elsewhere/map.png" ]; then
    pass "unpacked gorvak-dungeon renders from another folder"
else
    fail "unpacked gorvak-dungeon renders from another folder" "$(tail -n 3 "$scratch/tool.log")"
fi

# A player's own dungeon, made with the tool, whose start room opens east
# only (the game's own opens south and west), played by its relative path.
mkdir "$scratch/elsewhere/maps"
none=".:. .:. .:. .:. .:. .:. .:. .:. .:. .:."
printf '%s\n' "$none" "$none" "$none" "$none" ".:. .:. .:. .:. .:. E:. W:z .:. .:. .:." \
    "$none" "$none" "$none" >"$scratch/mine.txt"
"$tool" build "$scratch/mine.txt" "$scratch/elsewhere/maps/mine.gvk" >"$scratch/tool.log"
check "the unpacked gorvak-dungeon builds a dungeon" test $? -eq 0
(cd "$scratch/elsewhere" && exec "$game" maps/mine.gvk) >"$scratch/game.log" 2>&1 &
game_pid=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^PELLAMORN' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$window" ]; then
    fail "the unpacked game's window appears" "$(tail -n 3 "$scratch/game.log")"
    finish
fi
pass "the unpacked game's window appears"
info=$(xwininfo -id "$window")
x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
size="$(sed -n 's/.*Width: *//p' <<<"$info")x$(sed -n 's/.*Height: *//p' <<<"$info")"
check "the window is 640x481" test "$size" = 640x481
# Room 45's tile is at (326, 226): its east door test point (26, 12) a door,
# its west one (1, 12) a wall.
pixel() { import -window root -crop "1x1+$((x + $1))+$((y + $2))" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}'; }
east_only() { [ "$(pixel 352 238)$(pixel 327 238)" = "#FF5555#FFFFFF" ]; }
for _ in $(seq 100); do east_only && break || sleep 0.1; done
check "it plays the dungeon named, not its own" east_only

# 退出 (cmdQuit) is at (456, 416), 81 x 33, in the window.
xdotool mousemove --sync $((x + 500)) $((y + 440))
xdotool mousemove --sync $((x + 456 + 40)) $((y + 416 + 16)) click 1
if ! await_exit "$game_pid"; then
    fail "退出 ends the game" "still running 10 s after the click"
    finish
fi
wait "$game_pid"
status=$?
game_pid=""
check "退出 ends the game with status 0" test "$status" -eq 0

finish
