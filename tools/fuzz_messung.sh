#!/usr/bin/env bash
# Builds the sweep reader's libFuzzer target with clang and runs it:
#   tools/fuzz_messung.sh [SECONDS [LIBFUZZER OPTIONS...]]     (needs clang and libclang-rt-14-dev)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-180}"
shift || true
out="$root/build-fuzz-messung"
mkdir -p "$out/corpus"
# Seeds: the first format with each data format, and the second format's keywords.
printf '! Sweep\n# MHz S RI R 50\n14.0 -0.1 -0.3\n14.1 0.18 0.0\n14.2 0.1 0.3\n' > "$out/corpus/seed1.s1p"
printf '# Hz S DB R 50\r\n14000000 -6 -40\r\n14100000 -20 0\r\n14200000 -6 40\r\n' > "$out/corpus/seed2.s1p"
printf '[Version] 2.0\n# kHz S MA R 50\n[Number of Ports] 1\n[Number of Frequencies] 3\n[Reference] 75\n[Network Data]\n14000 0.5 -60\n14100 0.1 0\n14200 0.5 60\n[End]\n' > "$out/corpus/seed3.s1p"
printf '\xef\xbb\xbf# Hz S RI R 50\n14200000 0.1 0\n14200000.5 0 0\n14200001 0.1 0\n' > "$out/corpus/seed4.s1p"
clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -I"$root" $(pkg-config --cflags Qt6Core) \
    "$root/tests/fuzz/touchstone_fuzzer.cpp" "$root/calculators/touchstone.cpp" "$root/calculators/resonanz.cpp" \
    -o "$out/touchstone_fuzzer" $(pkg-config --libs Qt6Core)
"$out/touchstone_fuzzer" -max_total_time="$seconds" -max_len=65536 -timeout=10 -artifact_prefix="$out/" "$@" "$out/corpus"
