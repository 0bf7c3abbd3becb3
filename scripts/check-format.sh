#!/usr/bin/env bash
# Checks that every C++ file of src/, tests/ and bench/ is formatted with the
# project's .clang-format (clang-format 14, the version the tree is kept in).
# Lists every file that is not; `clang-format -i FILE` formats one.
# Usage: scripts/check-format.sh [PROJECT_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
format="$(command -v clang-format-14 || command -v clang-format || true)"
if [ -z "$format" ]; then
  echo "check-format: clang-format is missing (bash scripts/setup.sh installs it)" >&2
  exit 2
fi
mapfile -d '' files < <(find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if ! "$format" --dry-run -Werror "${files[@]}"; then
  echo "check-format: the files above differ from .clang-format (format them with: $format -i FILE)" >&2
  exit 1
fi
echo "check-format: ${#files[@]} files follow .clang-format"
