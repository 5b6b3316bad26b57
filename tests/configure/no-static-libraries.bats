#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Without static C and C++ libraries the build still gives a working, hardened
# program, and configuring says why it is not static.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

@test "without static libraries: a hardened dynamic build, and a warning that says why" {
  compiler=$BATS_TEST_TMPDIR/g++ write_refusing_compiler "$BATS_TEST_TMPDIR/g++" '-static|-Wl,-static'
  compiler=$BATS_TEST_TMPDIR/g++ configure "$BATS_TEST_TMPDIR/b"
  build_and_test "$BATS_TEST_TMPDIR/b"
  grep -A2 'this toolchain cannot link statically' "$BATS_TEST_TMPDIR/b.log"
  grep 'hello: linking dynamically (this toolchain cannot link statically); position-independent, -z relro, -z now$' \
    "$BATS_TEST_TMPDIR/b.log"
}
