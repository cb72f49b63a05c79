#!/usr/bin/env bash
# Builds each fuzz target with clang's libFuzzer, ASan and UBSan and runs it for a bounded number
# of inputs from its committed seeds. Usage: run_fuzz.sh SOURCE_DIR WORK_DIR [TARGET]
set -euo pipefail
src=$1 out=$2 only=${3:-}
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
mkdir -p "$out"
linux=$src/src/hid/platform/linux

# target  runs  max_len  include folders and sources
targets=(
  "decode 300000 64 $src/src/decode|$src/src/decode/*.cpp"
  "quantity 1000000 64 $src/src/decode|$src/src/decode/*.cpp"
  "replies 1000000 200 $src/src/decode $src/src/meter|$src/src/decode/*.cpp $src/src/meter/reply_checks.cpp"
  "report_descriptor 1000000 1024 $linux|$linux/sysfs_text.cpp"
  "uevent 1000000 1024 $linux|$linux/sysfs_text.cpp $linux/uevent_message.cpp"
  "report_definition 500000 2048 $src/src/output $src/src/files|$src/src/output/report_definition.cpp"
  "hex_line 1000000 512 $src/src/cli|$src/src/cli/hex_line.cpp"
)
for entry in "${targets[@]}"; do
  read -r name runs maxlen rest <<<"${entry%%|*}"
  [ -z "$only" ] || [ "$only" = "$name" ] || continue
  includes=()
  for dir in ${rest}; do includes+=(-I "$dir"); done
  # shellcheck disable=SC2086
  clang++ "${flags[@]}" "${includes[@]}" ${entry#*|} "$src/tests/fuzz/fuzz_$name.cpp" -o "$out/fuzz_$name"
  corpus=$out/corpus_$name
  mkdir -p "$corpus"
  cp -n "$src/tests/fuzz/seeds/$name"/* "$corpus"/ 2>/dev/null || true
  start=$(date +%s)
  (cd "$out" && UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
     "./fuzz_$name" -runs="$runs" -max_len="$maxlen" -seed=1 "$corpus" 2>"$out/fuzz_$name.log") ||
    { tail -40 "$out/fuzz_$name.log"; echo "fuzz_$name FAILED"; exit 1; }
  echo "fuzz_$name: $runs runs in $(( $(date +%s) - start )) s, no crash"
done
