#!/usr/bin/env bash
# Fails when a C++ file of the tree is not laid out as .clang-format says,
# naming the files; `tools/check-format.sh --fix` lays them out.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null 2>&1; then
  echo "check-format: clang-format is not installed (tools/install-deps.sh installs it)" >&2
  exit 1
fi
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h' '*.c')
else
  mapfile -t files < <(find src tests bench fuzz examples tools \
    -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) | sort)
fi
if [ "${1:-}" = "--fix" ]; then
  printf '%s\0' "${files[@]}" | xargs -0 clang-format -i
  exit 0
fi
bad=()
for f in "${files[@]}"; do
  if ! clang-format --dry-run -Werror "$f" >/dev/null 2>&1; then
    bad+=("$f")
  fi
done
if [ ${#bad[@]} -ne 0 ]; then
  echo "check-format: ${#bad[@]} file(s) differ from .clang-format's layout (tools/check-format.sh --fix):" >&2
  printf '  %s\n' "${bad[@]}" >&2
  exit 1
fi
echo "check-format: ${#files[@]} files laid out as .clang-format says"
