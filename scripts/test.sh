#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in the release
# build, once more under AddressSanitizer and UndefinedBehaviorSanitizer, and
# the fuzzer for a bounded number of inputs.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

for preset in default sanitize; do
    echo "=== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

echo "=== fuzzing"
bash scripts/fuzz.sh
