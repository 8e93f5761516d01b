#!/usr/bin/env bash
# Times ebo-cli against cat and against tr doing the same byte rotation, on
# one 1 GiB file in the page cache (a tmpfs), fastest of seven rounds each.
#   bench/cli_vs_cat.sh [EBO_CLI]    (default: the release build)
set -euo pipefail
cd "$(dirname "$0")/.."

cli=$(realpath "${1:-build/release/cli/ebo-cli}")
dir=${EBO_BENCH_DIR:-/dev/shm}
in="$dir/ebo-cli-bench.in"
out="$dir/ebo-cli-bench.out"
trap 'rm -f "$in" "$out" "$out.cli"' EXIT
head -c 1G /dev/urandom >"$in"
cat "$in" >/dev/null

# Key 59: every byte plus 59, modulo 256.
rotate() { LC_ALL=C tr '\000-\377' '\073-\377\000-\072' <"$in" >"$out"; }
copy() { cat "$in" >"$out"; }
# A copy that, like any byte transform, passes the data through user memory.
# (cat lets the kernel copy with copy_file_range, which a transform cannot.)
copy_through_memory() { dd if="$in" of="$out" bs=100000 status=none; }
lock() { "$cli" lock -f -o "$out" "$in"; }

# Runs the commands in turn, seven rounds, and keeps each one's fastest
# time in nanoseconds: interleaving spreads the machine's noise evenly.
rounds=7
declare -A best
for _ in $(seq "$rounds"); do
    for command in copy copy_through_memory lock rotate; do
        rm -f "$out"
        start=$(date +%s%N)
        "$command"
        elapsed=$(($(date +%s%N) - start))
        if [ -z "${best[$command]:-}" ] || [ "$elapsed" -lt "${best[$command]}" ]; then best[$command]=$elapsed; fi
        [ "$command" = lock ] && mv "$out" "$out.cli"
    done
done
cmp -s "$out" "$out.cli" || { echo "ebo-cli and tr disagree" >&2; exit 1; }
cat_ns=${best[copy]} dd_ns=${best[copy_through_memory]} cli_ns=${best[lock]} tr_ns=${best[rotate]}

awk -v dir="$dir" -v rounds="$rounds" -v cat="$cat_ns" -v dd="$dd_ns" -v cli="$cli_ns" -v tr="$tr_ns" 'BEGIN {
    printf "on a 1 GiB file in %s, best of %d (ebo-cli and tr give the same bytes):\n", dir, rounds
    printf "  cat IN > OUT               %6.3f s\n", cat / 1e9
    printf "  dd bs=100000 (read/write)  %6.3f s   %.2f x cat\n", dd / 1e9, dd / cat
    printf "  ebo-cli lock -f -o OUT IN  %6.3f s   %.2f x cat\n", cli / 1e9, cli / cat
    printf "  tr rotation                %6.3f s   %.2f x cat\n", tr / 1e9, tr / cat
}'
