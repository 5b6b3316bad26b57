#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# A cross build's program runs on this machine only through an emulator: say
# so once, up front, rather than fail every case.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

@test "the program runs on this machine" {
  # An emulator's first start sets it up (wine makes its prefix: seconds on a
  # busy machine), so it gets longer than the cases' limit, once.
  run_timeout=180
  status=0
  hello >"$out" 2>"$err" || status=$?
  if [ "$status" -eq 124 ]; then
    echo "hello, built for $HELLO_TARGET, did not finish within ${run_timeout} s under ${emulator[*]:-no emulator}"
    return 1
  elif [ "$status" -ne 0 ] && [ ${#emulator[@]} -gt 0 ]; then
    cat "$err"
    echo "hello, built for $HELLO_TARGET, failed under ${emulator[*]} with status $status; the output above says why"
    return 1
  elif [ "$status" -ne 0 ]; then
    cat "$err"
    echo "hello, built for $HELLO_TARGET, cannot run on this machine. Name an emulator in" \
      "the toolchain file or with -D CMAKE_CROSSCOMPILING_EMULATOR=..., for example" \
      "'qemu-aarch64;-L;/usr/aarch64-linux-gnu' or 'wine'"
    return 1
  fi
}
