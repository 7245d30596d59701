#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs every test, checks the optimised Debian
# package, then runs each fuzz target for a few seconds
# (MEALCARDS_FUZZ_SECONDS, default 5 per target).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMEALCARDS_SANITIZE=ON -DMEALCARDS_WERROR=ON \
  -DMEALCARDS_BENCH=OFF >/dev/null
cmake --build build-asan
(cd build-asan && ctest --output-on-failure -j "$(nproc)")

# The package as the README builds it: optimised, without the tests and the
# benchmarks, so lintian sees the hardening a Debug build cannot have.
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMEALCARDS_TESTS=OFF \
  -DMEALCARDS_BENCH=OFF >/dev/null
cmake --build build-release
tests/package/package_test.sh build-release

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DMEALCARDS_FUZZ=ON -DMEALCARDS_TESTS=OFF -DMEALCARDS_BENCH=OFF >/dev/null
seconds=${MEALCARDS_FUZZ_SECONDS:-5}
for source in fuzz/*.cpp; do
  [ -e "$source" ] || continue
  name=$(basename "$source" .cpp)
  cmake --build build-fuzz --target "$name"
  corpus=$(mktemp -d)
  [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$corpus/"
  echo "== fuzzing $name for ${seconds}s"
  log="$corpus.log"
  mkdir -p build-fuzz/findings
  rm -f build-fuzz/findings/"$name"-*  # only this run's findings are shown
  if ! build-fuzz/fuzz/"$name" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix=build-fuzz/findings/"$name"- "$corpus" >"$log" 2>&1; then
    # The report and the input that failed, so that the log alone is
    # enough to reproduce it (base64 -d, then run the target on the file).
    tail -n 60 "$log"
    for finding in build-fuzz/findings/"$name"-*; do
      [ -e "$finding" ] || continue
      echo "== $finding (base64):"
      base64 -w 0 "$finding"; echo
    done
    echo "fuzz target $name failed" >&2
    exit 1
  fi
  tail -n 3 "$log"
  rm -rf "$corpus" "$log"
done
echo "All tests passed."
