#!/usr/bin/env bash
# Fails when a tracked C++ file differs from .clang-format, naming the files and the fixing command.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
mapfile -t unformatted < <(clang-format --dry-run "${files[@]}" 2>&1 |
                           sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning: code should be clang-formatted.*/\1/p' |
                           sort -u)
if ((${#unformatted[@]})); then
    printf 'Not formatted as .clang-format asks:\n' >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    printf 'Fix with: clang-format -i %s\n' "${unformatted[*]}" >&2
    exit 1
fi
