#!/usr/bin/env bash
# Checks every C++ source of the checkout against the one .clang-format and
# names each file that differs; fails if any does. Fix with clang-format -i.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files '*.h' '*.cpp')
else
  mapfile -t files < <(find . \( -path './build*' -o -path ./run \) -prune -o \
                            -type f \( -name '*.h' -o -name '*.cpp' \) -print)
fi
clang-format --dry-run -Werror "${files[@]}"
echo "${#files[@]} sources follow .clang-format"
