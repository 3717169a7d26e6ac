#!/usr/bin/env bash
# Installs what is missing, builds Kinvale with AddressSanitizer and UndefinedBehaviorSanitizer
# in build/test (compiler warnings are errors), and runs every test through CTest. Exits non-zero
# on any failure. Arguments go to ctest: ./test.sh -L gedcom runs the tests labelled gedcom.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DKINVALE_SANITIZE=ON -DKINVALE_WERROR=ON \
  -DKINVALE_BENCHMARKS=ON >/dev/null
cmake --build build/test -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:${ASAN_OPTIONS:-}"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0:${LSAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"
ctest --test-dir build/test --output-on-failure -j"$(nproc)" "$@"
