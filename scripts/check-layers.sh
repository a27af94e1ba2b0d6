#!/usr/bin/env bash
# Checks that every file under src/ includes only project headers of its own
# folder or of the folders src/LAYERS allows it, and that no two files of one
# folder include each other in a loop. Prints each offence; exits 1 if any.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed
while IFS= read -r line; do
  line="${line%%#*}"
  [[ "$line" =~ ^[[:space:]]*$ ]] && continue
  folder="${line%%:*}"
  allowed[$folder]=" ${line#*:} "
done < src/LAYERS

bad=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
while IFS= read -r file; do
  folder=$(echo "$file" | cut -d/ -f2)
  if [ -z "${allowed[$folder]+x}" ]; then
    echo "src/LAYERS does not name the folder of $file"; bad=1; continue
  fi
  while IFS= read -r inc; do
    target="${inc%%/*}"
    [ "$target" = "$inc" ] && continue            # a header without a folder
    [ -d "src/$target" ] || continue              # not one of ours
    if [ "$target" = "$folder" ]; then
      echo "$file src/$inc" >> "$edges"
    elif [[ "${allowed[$folder]}" != *" $target "* ]]; then
      echo "$file includes $inc: $folder may not use $target"; bad=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find src -name '*.h' -o -name '*.cpp' | sort)

# Loops inside a folder: the include graph between files, with a .cpp standing
# for its header, must sort.
if ! sed -E 's/\.cpp( |$)/.h\1/g' "$edges" | awk '$1 != $2' | tsort > /dev/null 2> "$edges.err"; then
  echo "files of one folder include each other in a loop:"; cat "$edges.err"; bad=1
fi
rm -f "$edges.err"
[ "$bad" = 0 ] && echo "layers: every include runs down or stays in its folder; no loops"
exit "$bad"
