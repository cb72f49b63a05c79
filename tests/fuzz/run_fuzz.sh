#!/usr/bin/env bash
# Builds the decoding fuzz target with clang's libFuzzer, ASan and UBSan, and runs it for a
# bounded number of inputs.
set -euo pipefail
src=$1 out=$2 runs=${3:-300000}
mkdir -p "$out/corpus"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I "$src/src/decode" "$src"/src/decode/*.cpp "$src/tests/fuzz/fuzz_decode.cpp" -o "$out/fuzz_decode"
cd "$out"
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ./fuzz_decode -runs="$runs" -max_len=64 -seed=1 corpus
