#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format makes of it under the
# project's .clang-format; with --fix, formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if clang-format --dry-run --Werror "${files[@]}" 2>"${TMPDIR:-/tmp}/gorvak-format.log"; then
    echo "PASS every C++ file is formatted"
else
    grep -E '^[^ ].*(warning|error):' "${TMPDIR:-/tmp}/gorvak-format.log" | cut -d: -f1 | sort -u | sed 's/^/  /'
    echo "FAIL the files above need tools/check-format.sh --fix"
    exit 1
fi
