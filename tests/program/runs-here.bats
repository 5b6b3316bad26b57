#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# A cross build's program runs on this machine only through an emulator: say
# so once, up front, rather than fail every case.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

@test "the program runs on this machine" {
  if ! hello >"$out" 2>"$err"; then
    cat "$err"
    echo "hello, built for $HELLO_TARGET, cannot run on this machine. Name an emulator in" \
      "the toolchain file or with -D CMAKE_CROSSCOMPILING_EMULATOR=..., for example" \
      "'qemu-aarch64;-L;/usr/aarch64-linux-gnu' or 'wine'"
    return 1
  fi
}
