#!/bin/bash
# Fails when one C++ name has a strong definition in two object files of one program.
# Usage: CheckDuplicateSymbols.sh LIST
# LIST names, one a line, the object files and static archives that make up the program: its own
# and those of every library it links or loads. In one process only one of two definitions of a
# name is called (whichever the linker or loader meets first), so a class defined twice runs the
# other's code. Inline functions, templates and vtables of classes without a key function are
# weak (defined alike everywhere) and do not count; the same object file linked into two modules
# is one definition.
set -euo pipefail
list=$1
symbols=$list.symbols
[ -s "$list" ] || { echo "$list: no object files listed" >&2; exit 2; }

# nm -A -P prints "file: name type value size"; an archive member is "lib.a[member.o]:".
sort -u "$list" | tr '\n' '\0' | xargs -0 nm -A -P --defined-only --extern-only > "$symbols"

# T, D, B and R are strong global definitions (weak ones are W, V and u).
duplicates=$(awk '$3 ~ /^[TDBR]$/ && $2 ~ /^_Z/ {
                      file = substr($1, 1, length($1) - 1)
                      if (!(($2, file) in seen)) {
                          seen[$2, file] = 1; count[$2]++; files[$2] = files[$2] "\n    " file
                      }
                  }
                  END { for (name in count) if (count[name] > 1) print name files[name] }' "$symbols")
if [ -n "$duplicates" ]; then
    echo "C++ names defined in two object files of one program:"
    c++filt <<< "$duplicates"
    exit 1
fi
echo "no C++ name is defined twice in $(sort -u "$list" | wc -l) object files"
