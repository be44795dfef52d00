#!/usr/bin/env bash
# Holds the program's #includes to the table of layers in
# docs/architecture.md: a file may include from its own folder and from the
# folders its row allows, nothing else. Prints each forbidden include and
# exits 1 when there is one. Usage: tools/check-layers.sh [SOURCE_ROOT]
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
table=$root/docs/architecture.md

# The rows between the two markers: | `folder/` | `other/`, `folder/` |
rows=$(awk '/<!-- layers -->/ { on = 1; next } /<!-- \/layers -->/ { on = 0 } on && /^\| `/' "$table" |
  awk -F'|' '{
    layer = $2; uses = $3
    gsub(/[` ]/, "", layer); gsub(/[` ]/, "", uses)
    print layer " " uses
  }')
[ -n "$rows" ] || { echo "check-layers: no table of layers in $table" >&2; exit 2; }
layers=$(cut -d' ' -f1 <<<"$rows")

# The longest layer that path lies in, or nothing.
layer_of() {
  local best="" layer
  for layer in $layers; do
    [[ $1 == "$layer"* && ${#layer} -gt ${#best} ]] && best=$layer
  done
  printf '%s' "$best"
}

bad=0
while read -r layer uses; do
  while IFS= read -r file; do
    rel=${file#"$root"/}
    # Only the files whose own layer this is (not a deeper one's).
    [ "$(layer_of "$rel")" = "$layer" ] || continue
    while IFS= read -r included; do
      [[ $included == */* ]] || continue  # beside the file, or generated
      target=$(layer_of "$included")
      [ "$target" = "$layer" ] && continue
      if [ -z "$target" ] || [[ ",$uses," != *",$target,"* ]]; then
        echo "$rel: includes \"$included\", but ${layer} may not use ${target:-that folder}"
        bad=1
      fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
  done < <(find "$root/$layer" -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
done <<<"$rows"

[ "$bad" -eq 0 ] && echo "check-layers: every include keeps to docs/architecture.md"
exit "$bad"
