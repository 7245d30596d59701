#!/usr/bin/env bash
# The layering of src/ where the build cannot see it. The build gives each
# layer an include root with its own headers and those of the layers below
# (data <- settings <- render <- printrun <- ui <- platform <- ui/window),
# so an upward "ui/controller.h" does not compile; but a quoted include is
# first looked up beside the including file, and /usr/include is open to
# every layer. So this names, with file and line:
#   - an include by a path relative to the including file ("../ui/x.h", or
#     "window/x.h" from src/ui, which finds a sibling folder);
#   - one of our headers in angle brackets, or from a layer above;
#   - in the core (data, settings, render, printrun, ui without its window),
#     any header but the C++ and POSIX libraries: no Qt, CUPS, zint, qpdf or
#     libtiff, however spelt.
#   check-layers.sh [SRC_DIR]   (default: the src/ beside this script)
set -euo pipefail
src=${1:-$(cd "$(dirname "$0")/../src" && pwd)}
cd "$src"
find . -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | LC_ALL=C sort -z | xargs -0 awk '
function layer_of(path, parts) {
  sub(/^\.\//, "", path)
  if (path ~ /^ui\/window\//) return "ui/window"
  split(path, parts, "/")
  return (parts[1] in rank) ? parts[1] : ""
}
function exists(path, line, found) {
  found = (getline line < path) >= 0
  close(path)
  return found
}
function fail(message) {
  printf "%s:%d: %s\n", file, FNR, message
  status = 1
}
BEGIN {
  rank["data"] = 0; rank["settings"] = 1; rank["render"] = 2; rank["printrun"] = 3; rank["ui"] = 4
  rank["platform"] = 5; rank["ui/window"] = 6
  core_top = 4
  n = split("algorithm any array atomic barrier bit bitset cassert cctype cerrno cfenv cfloat " \
            "charconv chrono cinttypes climits clocale cmath codecvt compare complex concepts " \
            "condition_variable coroutine csetjmp csignal cstdarg cstddef cstdint cstdio cstdlib " \
            "cstring ctime cuchar cwchar cwctype deque exception execution filesystem format " \
            "forward_list fstream functional future initializer_list iomanip ios iosfwd iostream " \
            "istream iterator latch limits list locale map memory memory_resource mutex new " \
            "numbers numeric optional ostream queue random ranges ratio regex scoped_allocator " \
            "semaphore set shared_mutex source_location span sstream stack stdexcept stop_token " \
            "streambuf string string_view syncstream system_error thread tuple type_traits " \
            "typeindex typeinfo unordered_map unordered_set utility valarray variant vector " \
            "version " \
            "unistd.h fcntl.h sys/stat.h sys/types.h sys/file.h emmintrin.h", names, " ")
  for (i = 1; i <= n; i++) standard[names[i]] = 1
}
FNR == 1 {
  file = FILENAME; sub(/^\.\//, "", file)
  dir = file; sub(/\/[^\/]*$/, "", dir)
  own = layer_of(file)
}
own != "" && /^[ \t]*#[ \t]*include[ \t]*[<"]/ {
  line = $0
  sub(/^[ \t]*#[ \t]*include[ \t]*/, "", line)
  quoted = substr(line, 1, 1) == "\""
  target = substr(line, 2)
  sub(quoted ? "\".*" : ">.*", "", target)
  ours = layer_of(target)
  if (target ~ /(^|\/)\.\.?\//) {
    fail("includes \"" target "\" by a path relative to this file; name it from its layer")
  } else if (ours != "" && rank[ours] > rank[own]) {
    fail("the " own " layer includes " target " from the " ours " layer above it")
  } else if (ours != "" && !quoted) {
    fail("includes our <" target "> in angle brackets; name it in quotes")
  } else if (quoted && target ~ /\// && ours == "") {
    fail("includes \"" target "\" from a folder beside this file; name it from its layer")
  } else if (ours == "" && rank[own] <= core_top && !(target in standard) && !(quoted && exists(dir "/" target))) {
    fail("the core (" own ") includes " target ", which is not the C++ or POSIX library")
  }
}
END { exit status }
' || exit 1
