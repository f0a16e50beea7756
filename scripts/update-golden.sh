#!/usr/bin/env bash
# Rewrites the examples and the reviewed reports of tests/golden from the current build.
# Review the diff before committing it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
build/zm_make_examples examples
for f in examples/*.txt; do
  build/zomeda-cli report "$f" > "tests/golden/$(basename "${f%.txt}").report.txt"
done
