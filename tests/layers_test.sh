#!/usr/bin/env bash
# The layering check on a copy of src/ with an upward include and a Qt
# include planted: it must fail and name both, and pass on the copy as is.
set -euo pipefail
check=$1 src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$src" "$work/src"
"$check" "$work/src" || { echo "the layering check fails on the tree as it is"; exit 1; }
echo '#include "ui/controller.h"' >>"$work/src/data/text.h"
echo '#include <QString>' >>"$work/src/printrun/print_run.cpp"
echo '#include "platform/qt_surface.h"' >>"$work/src/ui/controller.cpp"
if out=$("$check" "$work/src"); then
  echo "the layering check passed a tree with upward includes"
  exit 1
fi
for expected in "data/text.h:.*ui/controller.h" "printrun/print_run.cpp:.*<QString>" "ui/controller.cpp:.*platform/qt_surface.h"; do
  grep -q "$expected" <<<"$out" || { echo "not named: $expected"; echo "$out"; exit 1; }
done
