#!/usr/bin/env bash
# The installed game: installs a build into a fresh prefix, checks that every
# file lands where the game, the menus, the software centres and man look for
# it, then starts the installed command from an unrelated folder.
#   run.sh <build-folder>
# Prints PASS/FAIL per check and "N passed, M failed"; non-zero on a failure.
set -u

build=${1:?usage: run.sh <build-folder>}
build=$(cd "$build" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
. "$source_dir/tests/support/report.sh"
. "$source_dir/tests/support/xserver.sh"
app_id=io.github.varnel.Gorvak
icon_sizes="16 24 32 48 64 128 256"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/gorvak-install.XXXXXX")
game_pid=""
cleanup() {
    if [ -n "$game_pid" ]; then kill -KILL "$game_pid" 2>/dev/null; wait "$game_pid" 2>/dev/null; fi
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

# A blank in the prefix catches a path handled without quotes.
prefix="$scratch/the prefix"
if cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
    pass "cmake --install"
else
    fail "cmake --install" "$(tail -n 5 "$scratch/install.log")"
    finish
fi

# Debian's layout for games: the programs in games/, their data in
# share/games/gorvak/.
game_dir="$prefix/share/games/gorvak"
desktop="$prefix/share/applications/$app_id.desktop"
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
program="$prefix/games/gorvak"

# The game's data folder: pictures, sounds, font (its licence is in the
# copyright file) and the dungeon.
for folder in pictures audio fonts; do
    check "$folder in the data folder" diff -r -x 'LICENSE*' "$source_dir/assets/$folder" "$game_dir/$folder"
done
check "Dungeon.gvk in the data folder" cmp -s "$source_dir/assets/Dungeon.gvk" "$game_dir/Dungeon.gvk"

# The programs themselves on the PATH, no launcher script.
for name in gorvak gorvak-dungeon; do
    check "$name is an installed program" test -f "$prefix/games/$name" -a -x "$prefix/games/$name"
    if [ "$(head -c 4 "$prefix/games/$name")" = $'\x7fELF' ]; then
        pass "$name is the program itself"
    else
        fail "$name is the program itself" "$(head -n 1 "$prefix/games/$name")"
    fi
    check "manual page $name(6)" test -s "$prefix/share/man/man6/$name.6.gz"
done
check "copyright" test -s "$prefix/share/doc/gorvak/copyright"
check "changelog" test -s "$prefix/share/doc/gorvak/changelog.gz"

# The desktop entry and the metainfo, named after the one id.
check "desktop entry installed" test -f "$desktop"
check "metainfo installed" test -f "$metainfo"
if command -v desktop-file-validate >/dev/null; then
    if out=$(desktop-file-validate "$desktop" 2>&1); then
        pass "desktop-file-validate"
    else
        fail "desktop-file-validate" "$out"
    fi
else
    skip "desktop-file-validate" "not installed (run setup.sh)"
fi
if command -v appstreamcli >/dev/null; then
    if out=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
        pass "appstreamcli validate"
    else
        fail "appstreamcli validate" "$out"
    fi
else
    skip "appstreamcli validate" "not installed (run setup.sh)"
fi
check "desktop entry translated" grep -q '^Comment\[zh_CN\]=.*游戏' "$desktop"
check "metainfo translated" grep -q '<summary xml:lang="zh-CN">' "$metainfo"
key() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
check "desktop entry starts gorvak with the file opened" test "$(key Exec)" = "gorvak %f"
check "desktop entry opens dungeon files" test "$(key MimeType)" = "application/x-gorvak-dungeon;"
check "desktop entry names the icon by the id" test "$(key Icon)" = "$app_id"
check "metainfo id is the desktop entry's name" grep -q "<id>$app_id</id>" "$metainfo"
check "metainfo launches the desktop entry" \
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo"

# One icon per size, each of its own size.
pixel_size() {
    if command -v identify >/dev/null; then
        identify -format '%wx%h' "$1" 2>/dev/null
    else
        python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print("%dx%d" % struct.unpack(">II", d[16:24]), end="")' "$1" 2>/dev/null
    fi
}
for n in $icon_sizes; do
    icon="$prefix/share/icons/hicolor/${n}x$n/apps/$app_id.png"
    got=$(pixel_size "$icon")
    if [ "$got" = "${n}x$n" ]; then pass "icon ${n}x$n"; else fail "icon ${n}x$n" "${got:-missing}"; fi
done

# The MIME database made from the prefix alone knows a .gvk as ours; the
# thumbnailer's command line draws one of the asked width, nothing of a bad one.
update-mime-database "$prefix/share/mime" 2>/dev/null
printf 'not a dungeon' >"$scratch/bad.gvk"
type=$(XDG_DATA_DIRS="$prefix/share" XDG_DATA_HOME="$scratch/none" gio info -a standard::content-type "$game_dir/Dungeon.gvk")
check "a .gvk is application/x-gorvak-dungeon" grep -q ': application/x-gorvak-dungeon$' <<<"$type"
thumbnail() { # thumbnail SIZE IN OUT: the entry's Exec line, as a file manager runs it
    local line && line=$(sed -n 's/^Exec=//p' "$prefix/share/thumbnailers/gorvak.thumbnailer")
    line=${line//%s/$1} && line=${line//%i/$(printf %q "$2")} && eval "${line//%o/$(printf %q "$3")}" >/dev/null 2>&1
}
check "the thumbnailer draws a dungeon" thumbnail 256 "$game_dir/Dungeon.gvk" "$scratch/mine.png"
check "the thumbnail is 256 wide" test "$(pixel_size "$scratch/mine.png")" = 256x204
thumbnail 128 "$scratch/bad.gvk" "$scratch/bad.png"
check "the thumbnailer ends with 1 on a bad file and draws nothing" test $? -eq 1 -a ! -e "$scratch/bad.png"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version) && [[ $version == *GPL-3.0-or-later* ]]
check "gorvak --version, with no display, names the licence" test $? -eq 0

# The installed command, started from / with nothing of the build around:
# still running after two seconds means it found its assets and its dungeon;
# TERM then ends it cleanly.
mkdir -m 0700 "$scratch/runtime"
mkdir "$scratch/elsewhere"
ln -s "$program" "$scratch/elsewhere/gorvak"
# A game without its dungeon keeps running too, behind a message box, so the
# dungeon's access time tells whether the game read it; that works only on a
# file system that records reads (relatime does, for a file older than read).
dungeon="$game_dir/Dungeon.gvk"
touch -a -d @0 "$dungeon" && cat "$dungeon" >/dev/null
reads_seen=$(stat -c %X "$dungeon")
run_game() { # run_game NAME PATH-FOLDER
    local name=$1 path_dir=$2 status
    touch -a -d @0 "$dungeon"
    (cd / && exec env -u DISPLAY -u WAYLAND_DISPLAY PATH="$path_dir:/usr/bin:/bin" \
        QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$scratch/runtime" \
        XDG_CONFIG_HOME="$scratch/config" gorvak) >"$scratch/game.log" 2>&1 &
    game_pid=$!
    sleep 2
    if ! kill -0 "$game_pid" 2>/dev/null; then
        wait "$game_pid"
        status=$?
        game_pid=""
        fail "$name keeps running" "ended with status $status: $(tail -n 3 "$scratch/game.log")"
        return
    fi
    pass "$name keeps running"
    if [ "$reads_seen" -eq 0 ]; then
        skip "$name reads its dungeon" "this file system does not record reads"
    else
        check "$name reads its dungeon" test "$(stat -c %X "$dungeon")" -ne 0
    fi
    local exe cwd
    exe=$(readlink "/proc/$game_pid/exe")
    cwd=$(readlink "/proc/$game_pid/cwd")
    check "$name runs the installed program" test "$exe" = "$(readlink -f "$program")"
    check "$name runs in the dungeon's folder" test "$cwd" = "$(readlink -f "$game_dir")"
    kill -TERM "$game_pid"
    if ! await_exit "$game_pid"; then
        fail "$name ends on TERM" "still running 10 s after TERM"
        return
    fi
    wait "$game_pid"
    status=$?
    game_pid=""
    if [ "$status" -eq 0 ]; then
        pass "$name ends on TERM with status 0"
    else
        fail "$name ends on TERM with status 0" "status $status: $(tail -n 3 "$scratch/game.log")"
    fi
}
run_game "gorvak on the PATH" "$prefix/games"
run_game "gorvak through a link" "$scratch/elsewhere"

finish
