#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# A cross build whose program cannot run here fails once, up front, saying so
# and how to name an emulator, rather than failing every case.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

@test "a cross build without an emulator says how to set one, in one failure" {
  command -v aarch64-linux-gnu-g++ >/dev/null ||
    skip "no cross compiler to try (Debian: apt-get install g++-aarch64-linux-gnu)"
  printf 'include("%s")\nunset(CMAKE_CROSSCOMPILING_EMULATOR)\n' \
    "$HELLO_SOURCE_DIR/cmake/toolchains/linux-cross.cmake" >"$BATS_TEST_TMPDIR/toolchain.cmake"
  compiler=aarch64-linux-gnu-g++ configure "$BATS_TEST_TMPDIR/b" \
    --toolchain "$BATS_TEST_TMPDIR/toolchain.cmake" -D HELLO_TARGET_TRIPLET=aarch64-linux-gnu
  cmake --build "$BATS_TEST_TMPDIR/b" >/dev/null
  if "$BATS_TEST_TMPDIR/b/hello" >/dev/null 2>&1; then
    skip "this machine runs aarch64 programs itself (binfmt_misc)"
  fi
  if ctest --test-dir "$BATS_TEST_TMPDIR/b" --output-on-failure >"$BATS_TEST_TMPDIR/test.log" 2>&1; then
    echo "the suite passed, though the program cannot run here"; return 1
  fi
  grep -q 'cannot run on this machine.*CMAKE_CROSSCOMPILING_EMULATOR' "$BATS_TEST_TMPDIR/test.log" ||
    { cat "$BATS_TEST_TMPDIR/test.log"; return 1; }
  [ "$(grep -c '\*\*\*Failed' "$BATS_TEST_TMPDIR/test.log")" -eq 1 ] || { cat "$BATS_TEST_TMPDIR/test.log"; return 1; }
}

@test "a missing cross compiler names the Debian package to install" {
  run cmake -S "$HELLO_SOURCE_DIR" -B "$BATS_TEST_TMPDIR/b" -G "$HELLO_GENERATOR" -D HELLO_TARGET_TRIPLET=sparc64-linux-gnu \
    --toolchain "$HELLO_SOURCE_DIR/cmake/toolchains/linux-cross.cmake"
  [ "$status" -ne 0 ] && grep -q 'apt-get install' <<<"$output" && grep -q 'g++-sparc64-linux-gnu)' <<<"$output" ||
    { echo "$output"; return 1; }
}
