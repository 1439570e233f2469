#!/usr/bin/env bash
# Builds the RTF reader's libFuzzer target with clang and runs it:
#   tools/fuzz.sh [SECONDS [LIBFUZZER OPTIONS...]]     (needs clang and libclang-rt-14-dev)
# Inputs up to 1 MB, with a dictionary of RTF control words (tests/fuzz/rtf.dict); libFuzzer
# lets inputs grow slowly, so "-len_control=0" tries long ones from the start.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-180}"
shift || true
out="$root/build-fuzz"
mkdir -p "$out/corpus"
# Seeds: small documents of the kinds word processors write.
printf '{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}\\f0\\fs20 a{\\b b}\\cf1 c\\par d\\u8364?\\'"'"'e4}' > "$out/corpus/seed1.rtf"
printf '{\\rtf1{\\*\\generator x;}{\\pict\\bin4 abcd}{\\field{\\*\\fldinst X}{\\fldrslt Y}}\\uc2\\u937\\'"'"'4f\\'"'"'6d}' > "$out/corpus/seed2.rtf"
printf '{\\rtf1\\ansicpg932{\\fonttbl{\\f1\\fcharset2 Symbol;}}\\trowd\\cellx9\\intbl a\\cell b\\cell\\row{\\listtext\\f1 \\'"'"'b7\\tab}x{\\super\\chftn}{\\*\\footnote\\chftn n}{\\v h}{\\xe i}\\'"'"'93\\'"'"'fa}' > "$out/corpus/seed3.rtf"
# Tables as word processors write them: borders, a heading over merged cells, a cell merged
# down, and a table nested in a cell with its row definition after the cells.
printf '{\\rtf1{\\colortbl;\\red0\\green0\\blue200;}Text\\par\\trowd\\trgaph108\\trleft-108\\clbrdrt\\brdrs\\brdrw10\\brdrcf1\\clmgf\\cellx2000\\clmrg\\cellx4000\\pard\\intbl{\\b Titel}\\cell\\cell\\row\\trowd\\clvmgf\\cellx2000\\cellx4000\\pard\\intbl a\\cell\\pard\\intbl\\itap2 x\\nestcell y\\nestcell\\pard\\intbl\\itap2{\\*\\nesttableprops\\trowd\\cellx900\\cellx1800\\nestrow}{\\nonesttables\\par}\\pard\\intbl b\\cell\\row\\trowd\\clvmrg\\cellx2000\\cellx4000\\pard\\intbl\\cell c\\cell\\row\\pard danach\\par}' > "$out/corpus/seed5.rtf"
# A small PNG picture, as word processors embed it.
printf '{\\rtf1 a{\\*\\shppict{\\pict\\pngblip\\picwgoal30\\pichgoal30 %s%s}}b}' \
    89504e470d0a1a0a0000000d4948445200000001000000010802000000907753de \
    0000000c49444154789c63f8cfc0000003010100c9fe92ef0000000049454e44ae426082 > "$out/corpus/seed4.rtf"
moc_flags=$(pkg-config --cflags Qt6Gui)
clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -I"$root" $moc_flags \
    "$root/tests/fuzz/rtf_fuzzer.cpp" "$root"/viewer/rtf/*.cpp "$root/common/cp1252.cpp" \
    -o "$out/rtf_fuzzer" $(pkg-config --libs Qt6Gui)
"$out/rtf_fuzzer" -max_total_time="$seconds" -max_len=1048576 -timeout=30 -rss_limit_mb=4096 -artifact_prefix="$out/" \
    -dict="$root/tests/fuzz/rtf.dict" "$@" "$out/corpus"
