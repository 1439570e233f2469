#!/usr/bin/env bash
# Builds the program twice (plain, and with address and undefined-behaviour sanitizers)
# and runs every test in both builds.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/tools/setup.sh"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

bash "$root/tools/build.sh" build
(cd "$root/build" && ctest --output-on-failure -j"$(nproc)")

export ASAN_OPTIONS="halt_on_error=1:detect_leaks=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
bash "$root/tools/build.sh" build-asan -DZENTAVIK_SANITIZE=ON -DZENTAVIK_BENCH=OFF
(cd "$root/build-asan" && ctest --output-on-failure -j"$(nproc)")
