#!/usr/bin/env bash
# Checks that every C and C++ file in git is formatted as .clang-format says;
# lists the files that are not. To format them: the same list with clang-format -i.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.c' '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "format check: every file is formatted"
