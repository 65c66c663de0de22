#!/usr/bin/env bash
# Installs what the asset generator needs beyond the standard library: only
# its font step uses these (fontTools to cut the subset, the system's Noto
# CJK collection as the source).
exec "$(dirname "$0")/../../setup.sh" python3 python3-fonttools fonts-noto-cjk
