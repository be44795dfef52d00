#!/usr/bin/env bash
# Fails when a C++ source of the tree differs from the house style
# (.clang-format, clang-format 14); lists the files. Usage:
#   tools/check-format.sh [SOURCE_ROOT]     check
#   tools/check-format.sh --fix             rewrite the files in place
set -euo pipefail
fix=""
[ "${1:-}" = --fix ] && { fix=1; shift; }
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
format=$(command -v clang-format-14 || true)
[ -n "$format" ] || { echo "check-format: needs clang-format-14 (tools/install-deps.sh test)" >&2; exit 2; }
cd "$root"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
  mapfile -t files < <(find . -path ./build -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print | sort)
fi
if [ -n "$fix" ]; then
  "$format" -i "${files[@]}"
  exit 0
fi
bad=()
for file in "${files[@]}"; do
  "$format" --dry-run --Werror "$file" >/dev/null 2>&1 || bad+=("$file")
done
if [ ${#bad[@]} -gt 0 ]; then
  printf 'not in the house style (tools/check-format.sh --fix):\n'
  printf '  %s\n' "${bad[@]}"
  exit 1
fi
echo "check-format: ${#files[@]} files in the house style"
