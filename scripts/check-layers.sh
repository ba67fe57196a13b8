#!/usr/bin/env bash
# Fails on an #include that crosses the layer map: a layer may include its own folder and
# the folders of the layers it links (the map is written by CMake from the link lines), and
# only a layer that links Qt may include a Qt header.
# Usage: check-layers.sh LAYERS_TXT SRC_DIR
set -euo pipefail
map=$1 src=$2
declare -A allowed qt
while IFS='|' read -r dir reach links_qt; do
  [ -n "$dir" ] || continue
  allowed[$dir]=" $dir $reach "
  qt[$dir]=$links_qt
done < <(cat "$map"; echo)

# The layer a source file belongs to: a file of its own in the map, else its folder, the
# longest match first (Collection/Rif before Collection); subfolders (GtRen/detail) belong
# to their layer.
layer_of() {
  local rel=$1 best="" key
  [ -n "${allowed[$rel]+x}" ] && { echo "$rel"; return; }
  for key in "${!allowed[@]}"; do
    case $rel in
      "$key"/*) [ ${#key} -gt ${#best} ] && best=$key ;;
    esac
  done
  echo "$best"
}

status=0
while IFS= read -r -d '' file; do
  rel=${file#"$src"/}
  layer=$(layer_of "$rel")
  if [ -z "$layer" ]; then
    echo "$rel: in no layer of the map" >&2
    status=1
    continue
  fi
  while IFS=: read -r line text; do
    if [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]]; then
      target=${BASH_REMATCH[1]}
      [[ $target == */* ]] || continue # beside the file, or a build's own header
      folder=${target%/*}
      [[ " ${allowed[$layer]} " == *" $folder "* ]] && continue
      # A folder not in the map is a subfolder of the layer (GtRen/detail) or of another.
      top=${folder%%/*}
      if [ -z "${allowed[$folder]+x}" ] && [[ " ${allowed[$layer]} " == *" $top "* ]]; then
        continue
      fi
      echo "$rel:$line: $layer may not include \"$target\"" >&2
      status=1
    elif [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<Q ]] && [ "${qt[$layer]}" != YES ]; then
      echo "$rel:$line: $layer has no Qt, yet includes ${text#*include}" >&2
      status=1
    fi
  done < <(grep -n '#[[:space:]]*include' "$file" || true)
done < <(find "$src" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.h.in' \) -print0)
[ $status -eq 0 ] && echo "every include keeps to the layer map (${#allowed[@]} layers)"
exit $status
