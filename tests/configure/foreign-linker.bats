#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# A linker that knows none of GNU's ELF options (as MinGW's, Apple's and
# MSVC's do not) still gives a working program, and configuring names what it
# left out.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

@test "a linker without GNU ELF options: a plain build, and one line naming what it left out" {
  compiler=$BATS_TEST_TMPDIR/g++ write_refusing_compiler "$BATS_TEST_TMPDIR/g++" '-static|-Wl,*|-z'
  compiler=$BATS_TEST_TMPDIR/g++ configure "$BATS_TEST_TMPDIR/b"
  build_and_test "$BATS_TEST_TMPDIR/b"
  grep -x -- '-- hello: this toolchain does not accept -z relro, -z now; building without' "$BATS_TEST_TMPDIR/b.log"
}
