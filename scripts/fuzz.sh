#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded number of inputs.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${FUZZ_RUNS:-300000}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
printf '59' >"$corpus/decimal"
printf ' $FF' >"$corpus/hexadecimal"
printf -- '-2147483648' >"$corpus/lowest"
build/fuzz/tests/fuzz/strtoint_fuzz -runs="$runs" -max_len=32 -seed=1 "$corpus"
