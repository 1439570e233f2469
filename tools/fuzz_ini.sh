#!/usr/bin/env bash
# Builds the settings file's libFuzzer target with clang and runs it:
#   tools/fuzz_ini.sh [SECONDS [LIBFUZZER OPTIONS...]]     (needs clang and libclang-rt-14-dev)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-180}"
shift || true
out="$root/build-fuzz-ini"
mkdir -p "$out/corpus"
# Seeds: a file as the program writes it, one edited by hand, and one of another program.
printf '[Main]\nLeft=120\nTop=80\n\n[Schrift]\nName=Courier New\nSize=10\n\0Main\0Left\0-4000\0Top\0""' > "$out/corpus/seed1.ini"
printf '[General]\r\nKey=1234,5\r\n; comment\r\n[Main%%20Window]\r\nText="a;b" \\\r\n c\r\n\0Main Window\0Text\0x\x01y\0@z\0\0' > "$out/corpus/seed2.ini"
printf '[%%General]\nx=\\x41\n[Main]\n[Main]\nLeft=1\0General\0a/b\0\xc3\xa4\0' > "$out/corpus/seed3.ini"
clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -I"$root" $(pkg-config --cflags Qt6Core) \
    "$root/tests/fuzz/ini_fuzzer.cpp" "$root/platform/initext.cpp" \
    -o "$out/ini_fuzzer" $(pkg-config --libs Qt6Core)
"$out/ini_fuzzer" -max_total_time="$seconds" -max_len=65536 -timeout=10 -artifact_prefix="$out/" "$@" "$out/corpus"
