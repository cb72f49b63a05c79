#!/usr/bin/env bash
# Boots the kernel test machine once and runs test_kernel_hid inside it, against the kernel's
# own hid, hidraw and uhid drivers. Skips (exit 77) only when this machine cannot run the
# emulator at all; fails when the guest runs and anything inside fails.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
if ! qemu-system-x86_64 --version >/dev/null 2>&1; then
  echo "SKIP: qemu-system-x86_64 is not available, so the kernel test machine cannot run here"
  exit 77
fi
export KHID_DIR=$build/kernel-hid
mkdir -p "$KHID_DIR"
guest="test -e /dev/uhid || { echo 'the guest has no /dev/uhid'; exit 1; }
mkdir -p -m 700 /run/tmp/xdg
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 XDG_RUNTIME_DIR=/run/tmp/xdg
$build/tests/test_kernel_hid"
start=$(date +%s)
VM_TIMEOUT=${VM_TIMEOUT:-900} "$here/run-vm.sh" "$guest"
rc=$?
echo "kernel test machine: $(( $(date +%s) - start )) s, exit $rc"
exit $rc
