#!/usr/bin/env bash
# Installs what is missing, builds and runs every test through ctest.
#   scripts/test.sh               ordinary build in build/
#   scripts/test.sh --sanitizers  AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

dir=build
options=()
[ "${CI:-}" = "true" ] && options+=(-DCARTELIM_WERROR=ON)
if [ "${1:-}" = "--sanitizers" ]; then
    dir=build-asan
    options+=(-DCARTELIM_SANITIZE=ON -DCARTELIM_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
bash scripts/build.sh "$dir" "${options[@]}"
ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)" --timeout 600
