#!/usr/bin/env bash
# The layering of src/: every file includes only its own layer and the
# layers below it, data <- settings <- render <- printrun <- ui; the core
# (those five, ui without its window) includes no Qt and none of the
# libraries the platform wraps; the platform implements the core and stays
# below the window. Names every include that breaks this, with its line.
#   check-layers.sh [SRC_DIR]   (default: the src/ beside this script)
set -euo pipefail
src=${1:-$(cd "$(dirname "$0")/../src" && pwd)}
rank() {
  case $1 in
    data) echo 0 ;; settings) echo 1 ;; render) echo 2 ;; printrun) echo 3 ;; ui) echo 4 ;;
    platform) echo 5 ;; ui/window) echo 6 ;; *) echo 99 ;;
  esac
}
# The layer of a path below src/: its folder, "ui/window" for the window.
layer_of() {
  local rel=$1
  case $rel in ui/window/*) echo ui/window ;; */*) echo "${rel%%/*}" ;; *) echo "" ;; esac
}
status=0
while IFS= read -r -d '' file; do
  rel=${file#"$src"/}
  own=$(layer_of "$rel")
  own_rank=$(rank "$own")
  line_no=0
  while IFS= read -r line; do
    line_no=$((line_no + 1))
    [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*([\"\<])([^\"\>]+)[\"\>] ]] || continue
    kind=${BASH_REMATCH[1]} target=${BASH_REMATCH[2]}
    if [[ $kind == '"' && $target == */* ]]; then
      to=$(layer_of "$target")
      to_rank=$(rank "$to")
      if ((to_rank != 99 && to_rank > own_rank)); then
        echo "$rel:$line_no: the $own layer includes $target from the $to layer above it"
        status=1
      fi
    elif ((own_rank <= 4)) && [[ $target =~ ^(Q[A-Za-z]*|Qt[A-Za-z]*/.*|qpdf/.*|tiffio\.h|tiff\.h|zint\.h|cups/.*)$ ]]; then
      echo "$rel:$line_no: the core ($own) includes <$target>"
      status=1
    fi
  done <"$file"
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)
exit $status
