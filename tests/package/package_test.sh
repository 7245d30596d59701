#!/usr/bin/env bash
# Builds the Debian package from the build folder as the README says, then
# checks what a kitchen's machine would get: the files in their places, the
# declared dependencies, a package that lintian passes without an error or
# a warning, a menu entry and a manual page that their own checkers accept,
# and a program that runs from the package's tree.
# usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

if ! (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1); then
  cat "$work/cpack.log" >&2
  echo "FAIL: cpack -G DEB" >&2
  exit 1
fi
debs=("$work"/out/mealcards_*.deb)
[ -f "${debs[0]}" ] || { echo "FAIL: no mealcards_*.deb in $work/out" >&2; exit 1; }
deb=${debs[0]}

dpkg-deb -c "$deb" | awk '{print $NF}' >"$work/contents"
for path in ./usr/bin/mealcards \
    ./usr/share/applications/mealcards.desktop \
    ./usr/share/icons/hicolor/scalable/apps/mealcards.svg \
    ./usr/share/icons/hicolor/16x16/apps/mealcards.png \
    ./usr/share/icons/hicolor/48x48/apps/mealcards.png \
    ./usr/share/icons/hicolor/256x256/apps/mealcards.png \
    ./usr/share/man/man1/mealcards.1.gz \
    ./usr/share/doc/mealcards/README.md \
    ./usr/share/doc/mealcards/changelog.Debian.gz \
    ./usr/share/doc/mealcards/copyright; do
  grep -qxF "$path" "$work/contents" || fail "$path is not in the package"
done
# Only the product: no test programs, benchmarks or build tools.
grep -E '^\./usr/bin/.' "$work/contents" | grep -vxF ./usr/bin/mealcards && fail "other programs in /usr/bin"

depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6gui6 libqt6printsupport6 libc6 fonts-liberation2; do
  [[ "$depends" == *"$dependency"* ]] || fail "Depends lacks $dependency: $depends"
done

# lintian as Debian's archive runs it. The fortified calls need the
# optimiser, so a Debug build (the sanitizer build of the tests) cannot have
# them; tools/test.sh lints the optimised package with nothing suppressed.
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
suppress=()
case "$build_type" in
  Release | RelWithDebInfo | MinSizeRel) ;;
  *) suppress=(--suppress-tags hardening-no-fortify-functions) ;;
esac
if ! lintian --fail-on error,warning --tag-display-limit 0 "${suppress[@]}" "$deb" >"$work/lintian.txt" 2>&1; then
  cat "$work/lintian.txt" >&2
  fail "lintian finds errors or warnings"
fi
grep -E '^[EW]: ' "$work/lintian.txt" >&2 && fail "lintian reports errors or warnings"

dpkg-deb -x "$deb" "$work/root"
root=$work/root
desktop=$root/usr/share/applications/mealcards.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the menu entry"
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$root/usr/bin/$exec_program" ] || fail "the menu entry starts $exec_program, which the package lacks"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$root/usr/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "the menu entry's icon $icon is not installed"

man_page=$root/usr/share/man/man1/mealcards.1.gz
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$man_page" 2>&1 >"$work/man.txt") || fail "man cannot format the page"
[ -z "$warnings" ] || fail "man --warnings: $warnings"

# The packaged program runs, says the package's version, and its manual
# page documents every option and command that its --help does.
version=$("$root/usr/bin/mealcards" --version) || fail "mealcards --version failed"
# The package's version is the program's, then Debian's revision.
package_version=$(dpkg-deb -f "$deb" Version)
[ "$version" = "mealcards ${package_version%-*}" ] || fail "--version says '$version', the package $package_version"
"$root/usr/bin/mealcards" --help >"$work/help.txt" || fail "mealcards --help failed"
tr -s ' \n' ' ' <"$work/man.txt" | sed 's/‐/-/g; s/−/-/g' >"$work/man.flat"
while IFS= read -r term; do
  grep -qF -- "$term" "$work/man.flat" || fail "the manual page lacks '$term'"
done < <(sed -n 's/^  \([^ ].*\)$/\1/p' "$work/help.txt")

[ "$failures" -eq 0 ] || exit 1
echo "package $(basename "$deb") checked"
