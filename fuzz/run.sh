#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UBSan, and fuzzes each for
# the given number of seconds (default 600). New corpus entries go to fuzz/out/<target>/; crash
# inputs are written to fuzz/out/ and belong in fuzz/regressions/<target>/ once fixed.
#   fuzz/run.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
scripts/install-deps.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKINVALE_SANITIZE=ON \
  -DKINVALE_LIBFUZZER=ON -DKINVALE_BENCHMARKS=OFF >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=($(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//'))
fi
cmake --build build/fuzz -j"$(nproc)" --target "${targets[@]}"
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  mkdir -p "fuzz/out/$name"
  echo "== $target for ${seconds}s"
  build/fuzz/fuzz/$target -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len="${FUZZ_MAX_LEN:-16384}" \
    -artifact_prefix="fuzz/out/$name-" "fuzz/out/$name" "fuzz/corpus/$name" 2>&1 | tail -n 3
done
