#!/usr/bin/env bash
# Checks that every C++ file git tracks is laid out as .clang-format says.
#   tools/check-format.sh          lists the files that differ, shows how,
#                                  and fails if there are any
#   tools/check-format.sh --fix    reformats those files in place
# clang-format 14 exactly (tools/install-deps.sh test installs it): other
# versions lay out a few constructs differently, which would make the check
# fail on code nobody touched.
set -euo pipefail
cd "$(dirname "$0")/.."

fmt=${CLANG_FORMAT:-clang-format-14}
if ! command -v "$fmt" >/dev/null; then
  echo "check-format: $fmt not found; run tools/install-deps.sh test" >&2
  exit 2
fi

fix=0
[ "${1:-}" = "--fix" ] && fix=1

# Files not written by hand would be left out here; there are none so far.
mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')

bad=()
for f in "${files[@]}"; do
  if ! "$fmt" --style=file "$f" | cmp -s - "$f"; then
    bad+=("$f")
    if [ $fix -eq 1 ]; then
      "$fmt" --style=file -i "$f"
    elif [ ${#bad[@]} -le 3 ]; then
      "$fmt" --style=file "$f" | diff -u --label "$f" --label "$f (formatted)" "$f" - | head -40 || true
    fi
  fi
done

if [ ${#bad[@]} -eq 0 ]; then
  echo "check-format: all ${#files[@]} files are formatted"
  exit 0
fi
if [ $fix -eq 1 ]; then
  echo "check-format: reformatted ${#bad[@]} files"
  exit 0
fi
printf 'not formatted: %s\n' "${bad[@]}"
echo "check-format: ${#bad[@]} of ${#files[@]} files differ from .clang-format; tools/check-format.sh --fix reformats them" >&2
exit 1
