#!/usr/bin/env bash
# Speed and memory of the fuzz harnesses that open a document in a program, built as `./dev fuzz`
# builds them (clang, AddressSanitizer and UndefinedBehaviorSanitizer, in build-fuzz/).
#
#   fuzz/measure.sh [-n INPUTS] [HARNESS...]     (INPUTS 10000; every harness that opens a document)
#
# For each harness it prints two lines:
#   engine  the fuzzing engine's run of INPUTS inputs from the seeds with `./dev fuzz`'s settings:
#           inputs a second, processor time per input (start-up included) and peak resident size;
#   replay  the harness alone, running its seeds round and round INPUTS times with a small
#           sanitizer quarantine: processor time per input and resident size after 1,000 inputs
#           and at the end. Flat here means the program keeps no memory per document.
# The machine's load average is printed first: other work on the machine lowers inputs a second,
# while processor time per input changes much less.
set -euo pipefail
cd "$(dirname "$0")/.."

inputs=10000
if [ "${1:-}" = "-n" ]; then
    inputs=$2
    shift 2
fi
harnesses=("$@")
[ ${#harnesses[@]} -ne 0 ] || harnesses=(drawing encapsulated_drawing schematic_clipboard schematic_dxf simulation_results
                                         spice_models board package_export gerber dcode_list board_clipboard board_dxf netlist)

build=build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQUILL_FUZZ=ON -DQUILL_TESTS=OFF \
      -DQUILL_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
for h in "${harnesses[@]}"; do targets+=("${h}_fuzz" "${h}_replay"); done
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}" >/dev/null

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg); $inputs inputs per harness"
printf '%-22s %-7s %10s %10s %14s %14s\n' harness run inputs/s ms/input "rss@1000 MB" "rss@end MB"

for h in "${harnesses[@]}"; do
    seeds="$PWD/$build/fuzz-seeds/$h"
    corpus="$scratch/$h"
    mkdir -p "$corpus"
    # The engine: a fresh corpus, so that every run starts from the seeds alone.
    start=$(date +%s.%N)
    /usr/bin/time -f '%U %S' -o "$scratch/time" "$PWD/$build/fuzz/${h}_fuzz" -runs="$inputs" -len_control=0 \
        -max_len=131072 -timeout=30 -print_final_stats=1 "$corpus" "$seeds" >"$scratch/log" 2>&1 || true
    end=$(date +%s.%N)
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/log")
    peak=$(sed -n 's/^stat::peak_rss_mb: *//p' "$scratch/log")
    read -r user sys <"$scratch/time"
    awk -v h="$h" -v n="${execs:-0}" -v s="$start" -v e="$end" -v u="$user" -v y="$sys" -v p="${peak:-?}" 'BEGIN {
        if (n == 0) { printf "%-22s %-7s failed (see the engine log)\n", h, "engine"; exit }
        printf "%-22s %-7s %10.1f %10.2f %14s %14s\n", h, "engine", n / (e - s), 1000 * (u + y) / n, "-", p }'
    # The program alone: the same few inputs again and again.
    ASAN_OPTIONS=detect_leaks=0:quarantine_size_mb=16 "$PWD/$build/fuzz/${h}_replay" --runs="$inputs" --every=1000 \
        "$seeds" >"$scratch/replay" 2>/dev/null || true
    awk -v h="$h" '
        /^inputs / { n = $2; rss = $4; ms[n] = $6; if (n == 1000) first = rss; last = rss; total += $6 * (n - prev); prev = n }
        END {
            if (!prev) { printf "%-22s %-7s failed\n", h, "replay"; exit }
            printf "%-22s %-7s %10s %10.2f %14s %14s\n", h, "replay", "-", total / prev, first ? first : "-", last }' "$scratch/replay"
done
