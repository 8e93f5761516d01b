#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the key-conversion
# fuzzer for a bounded number of inputs, then the tests in the release build
# and once more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

echo "=== fuzzing"
bash scripts/fuzz.sh

for preset in default sanitize; do
    echo "=== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
