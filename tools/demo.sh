#!/usr/bin/env bash
# The main job on the bundled demo facility: installs what is missing,
# builds, writes the demo facility into demo/drives and runs mealcards on it.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMEALCARDS_TESTS=OFF >/dev/null
cmake --build build-release --target mealcards make_demo_facility

rm -rf demo/drives
build-release/make_demo_facility demo/drives >/dev/null
echo "Demo facility written to demo/drives"
echo
echo "== mealcards --drives demo/drives info"
build-release/mealcards --drives demo/drives info
echo
echo "== mealcards --drives demo/drives preview --png demo/preview.png"
build-release/mealcards --drives demo/drives preview --png demo/preview.png
echo "Preview of the default resident: $(pwd)/demo/preview.png"
echo
echo "== mealcards --drives demo/drives --pdf demo/cards.pdf print --backup"
build-release/mealcards --drives demo/drives --pdf demo/cards.pdf print --backup
echo "Tray cards of every qualifying resident: $(pwd)/demo/cards.pdf"
cards=demo/drives/c/dnv/output/cards
echo "PDF backup of the same cards: $(pwd)/$cards/TC.pdf, copied to $(pwd)/demo/drives/c/dnv/PDF/TC.PDF"
echo "Each page as a JPG and a one-page PDF: $(ls "$cards"/*_*.jpg | wc -l) of each in $(pwd)/$cards"
for tif in "$cards"/*_TIFCards.tif "$cards"/*_TIFBWCards.tif; do
  echo "$(pwd)/$tif: $(tiffinfo "$tif" 2>/dev/null | grep -c 'TIFF Directory') pages," \
       "$(tiffinfo "$tif" 2>/dev/null | grep -m1 'Compression Scheme' | sed 's/^ *//')"
done
echo
# Each print saves its settings into set 1, so the menus come after Print ALL.
for kind in "2 meal-cards Meal cards" "3 select-menus Select menus" "4 pseudo-select Pseudo select menus" \
            "5 alf-menus Assisted-living weekly lunch menus"; do
  set -- $kind
  n=$1 file=$2
  shift 2
  echo "== mealcards --drives demo/drives --pdf demo/$file.pdf print --set $n"
  build-release/mealcards --drives demo/drives --pdf "demo/$file.pdf" print --set "$n"
  echo "$*: $(pwd)/demo/$file.pdf"
done
echo
echo "== mealcards --drives demo/drives show-meals RS00106 --day 3 --kind meal"
build-release/mealcards --drives demo/drives show-meals RS00106 --day 3 --kind meal
