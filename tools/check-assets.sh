#!/usr/bin/env bash
# Asset drift: remakes every committed asset but the font in a scratch copy
# of the generator and fails if any byte differs from what is committed.
# The font is left out because its source is a 54 MiB system package; its
# coverage of the game's texts is checked by the platform tests.
#   tools/check-assets.sh
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/gorvak-assets.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# The generator finds its inputs and outputs beside itself, so it runs in a
# copy of the tree's shape: its own folder, its inputs, and the committed
# files it reads (the big icon is drawn with the pictures).
mkdir -p "$scratch/assets" "$scratch/ui" "$scratch/dungeon"
cp -r "$repo/assets/generator" "$repo/assets/dungeon.txt" "$scratch/assets/"
cp -r "$repo/i18n" "$scratch/"
# The sizes and the grid the pictures are checked against are the game's own.
cp "$repo/ui/Pictures.cpp" "$scratch/ui/"
cp "$repo/dungeon/Grid.h" "$scratch/dungeon/"
# The dungeon is built by the game's own tool: the normal build's, brought up
# to date first, unless one is named.
if [ -z "${GORVAK_DUNGEON_TOOL:-}" ]; then
    cmake -S "$repo" -B "$repo/build" >/dev/null
    cmake --build "$repo/build" --target gorvak_dungeon_tool -j"$(nproc)" >/dev/null
    GORVAK_DUNGEON_TOOL="$repo/build/gorvak-dungeon"
fi
export GORVAK_DUNGEON_TOOL
if ! python3 "$scratch/assets/generator/generate.py" --no-font >"$scratch/log" 2>&1; then
    cat "$scratch/log"
    echo "FAIL the generator's own checks"
    exit 1
fi

status=0
for item in pictures audio icons Dungeon.gvk; do
    if ! diff -r -q "$repo/assets/$item" "$scratch/assets/$item" >"$scratch/diff" 2>&1; then
        sed 's|'"$scratch"'|<remade>|g' "$scratch/diff"
        status=1
    fi
done
if [ "$status" -ne 0 ]; then
    echo "FAIL committed assets differ from what assets/generator makes: run"
    echo "     python3 assets/generator/generate.py and commit the result"
    exit 1
fi
echo "PASS every committed picture, sound, icon and the dungeon remade byte for byte"
