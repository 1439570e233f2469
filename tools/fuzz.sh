#!/usr/bin/env bash
# Builds the RTF reader's libFuzzer target with clang and runs it:
#   tools/fuzz.sh [SECONDS]     (needs clang and libclang-rt-14-dev)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-180}"
out="$root/build-fuzz"
mkdir -p "$out/corpus"
# Seeds: small documents of the kinds word processors write.
printf '{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}\\f0\\fs20 a{\\b b}\\cf1 c\\par d\\u8364?\\'"'"'e4}' > "$out/corpus/seed1.rtf"
printf '{\\rtf1{\\*\\generator x;}{\\pict\\bin4 abcd}{\\field{\\*\\fldinst X}{\\fldrslt Y}}\\uc2\\u937\\'"'"'4f\\'"'"'6d}' > "$out/corpus/seed2.rtf"
moc_flags=$(pkg-config --cflags Qt6Gui)
clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -I"$root" $moc_flags \
    "$root/tests/fuzz/rtf_fuzzer.cpp" "$root"/viewer/rtf/*.cpp "$root/common/cp1252.cpp" \
    -o "$out/rtf_fuzzer" $(pkg-config --libs Qt6Gui)
"$out/rtf_fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=10 "$out/corpus"
