#!/usr/bin/env bash
# Builds and runs every test: once as built normally, once under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

# The core must stay free of window-system headers.
if grep -rnE '#include\s*[<"](Q[A-Za-z]|qt)' src/core; then
  echo "src/core includes a Qt header" >&2
  exit 1
fi

bash scripts/build.sh
(cd build && ctest --output-on-failure -j2)

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DZM_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j2
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j2)
