#!/usr/bin/env bash
# The layering holds two ways. The build: a layer's include path finds the
# headers of its own layer and those below, never one above, nor Qt in the
# core. The check (tools/check-layers.sh): on a copy of src/ it passes the
# tree as it is and fails each wrong include planted alone, naming its file.
#   layers_test.sh CHECK SRC_DIR CXX DATA_INCLUDES SETTINGS_INCLUDES UI_INCLUDES
# (each *_INCLUDES the layer library's include directories, joined by ":").
set -euo pipefail
check=$1 src=$2 cxx=$3
declare -A includes=([data]=$4 [settings]=$5 [ui]=$6)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# Preprocesses `#include HEADER` with the include path of LAYER; prints the
# compiler's complaint when it does not.
preprocess() {
  local layer=$1 header=$2 flags=()
  IFS=: read -r -a dirs <<<"${includes[$layer]}"
  for d in "${dirs[@]}"; do flags+=("-I$d"); done
  echo "#include $header" >"$work/probe.cpp"
  "$cxx" -std=c++20 -E "${flags[@]}" "$work/probe.cpp" -o /dev/null 2>&1
}
sees() {
  local out
  out=$(preprocess "$1" "$2") || { echo "the $1 layer cannot include $2: $out"; failed=1; }
}
blind() {
  local name=${2:1:-1} out
  out=$(preprocess "$1" "$2") || true
  if ! grep -qF "$name: No such file" <<<"$out"; then
    echo "the $1 layer's build finds $2"
    failed=1
  fi
}
sees data '"data/text.h"'
blind data '"settings/settings_model.h"'
blind data '<ui/controller.h>'
sees settings '"data/text.h"'
blind settings '<qglobal.h>'
blind settings '<QString>'
sees ui '"printrun/print_run.h"'
blind ui '"ui/window/main_window.h"'
blind ui '"platform/qt_surface.h"'

cp -r "$src" "$work/src"
out=$(bash "$check" "$work/src") || { echo "the layering check fails on the tree as it is:"; echo "$out"; exit 1; }
# file | line planted at its end
plants=(
  'data/text.h|#include <ui/controller.h>'
  'render/card_page.cpp|#include "../ui/controller.h"'
  'printrun/print_run.cpp|#include <cups/cups.h>'
  'settings/settings_model.h|#include <qglobal.h>'
  'ui/controller.cpp|#include "window/main_window.h"'
  'data/text.cpp|#include "QString"'
  'render/tray_card.cpp|#include <zint.h>'
  'ui/preview.cpp|#include "platform/qt_surface.h"'
  'platform/qt_surface.cpp|#include "ui/window/main_window.h"'
  'data/text.h|#include <data/record_file.h>'
)
for plant in "${plants[@]}"; do
  file=${plant%%|*} line=${plant#*|}
  cp "$work/src/$file" "$work/kept"
  echo "$line" >>"$work/src/$file"
  if out=$(bash "$check" "$work/src"); then
    echo "the layering check passed $line in $file"
    failed=1
  elif ! grep -q "^$file:" <<<"$out"; then
    echo "the layering check did not name $file for $line:"
    echo "$out"
    failed=1
  fi
  mv "$work/kept" "$work/src/$file"
done
exit $failed
