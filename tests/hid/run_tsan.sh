#!/usr/bin/env bash
# Builds the reader tests with ThreadSanitizer in a build folder of their own and runs them.
set -euo pipefail
src=$1 out=$2
if [ ! -f "$out/build.ninja" ]; then
  cmake -S "$src" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRANGEDESK_TSAN=ON >/dev/null
fi
cmake --build "$out" --target test_hid_controller test_linux_platform >/dev/null
export QT_QPA_PLATFORM=offscreen TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$src/tests/hid/tsan.supp"
"$out/tests/test_hid_controller"
"$out/tests/test_linux_platform"
