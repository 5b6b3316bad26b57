#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Added to a parent project with add_subdirectory (as FetchContent does), hello
# builds and tests alongside the parent and leaves the parent's own decisions
# alone: its build type, BUILD_TESTING, strip program, packaging and target names.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

# Writes a parent project into $parent whose CMakeLists.txt ends with the lines given.
write_parent() {
  parent=$BATS_TEST_TMPDIR/parent
  mkdir -p "$parent"
  printf 'int main() { return 0; }\n' >"$parent/main.cpp"
  {
    printf 'cmake_minimum_required(VERSION 3.25)\nproject(parent LANGUAGES CXX)\n'
    printf 'add_executable(hello main.cpp)\n'
    printf '%s\n' "$@"
    printf 'add_subdirectory("%s" hello-cxx)\n' "$HELLO_SOURCE_DIR"
    printf 'set(CPACK_PACKAGE_FILE_NAME parent-package)\ninclude(CPack)\n'
  } >"$parent/CMakeLists.txt"
}

cached() { sed -n "s/^$1:[A-Z]*=//p" "$BATS_TEST_TMPDIR/b/CMakeCache.txt"; }

@test "the parent keeps its build type, BUILD_TESTING, strip program and package name" {
  write_parent
  printf '#!/bin/sh\nexit 1\n' >"$BATS_TEST_TMPDIR/strip" && chmod +x "$BATS_TEST_TMPDIR/strip"
  configure "$BATS_TEST_TMPDIR/b" -S "$parent" -D CMAKE_STRIP="$BATS_TEST_TMPDIR/strip"
  cmake --build "$BATS_TEST_TMPDIR/b" >/dev/null
  [ -x "$BATS_TEST_TMPDIR/b/hello" ] && [ -x "$BATS_TEST_TMPDIR/b/hello-cxx/hello" ]
  [ -z "$(cached CMAKE_BUILD_TYPE)" ] || { echo "build type became $(cached CMAKE_BUILD_TYPE)"; return 1; }
  ! grep -q '^BUILD_TESTING:' "$BATS_TEST_TMPDIR/b/CMakeCache.txt" || { echo "BUILD_TESTING was defined"; return 1; }
  [ "$(cached CMAKE_STRIP)" = "$BATS_TEST_TMPDIR/strip" ] || { echo "CMAKE_STRIP became $(cached CMAKE_STRIP)"; return 1; }
  grep -q 'set(CPACK_PACKAGE_FILE_NAME "parent-package")' "$BATS_TEST_TMPDIR/b/CPackConfig.cmake"
}

@test "hello's suite passes from the parent's build folder" {
  write_parent 'enable_testing()' 'set(BUILD_TESTING ON)'
  configure "$BATS_TEST_TMPDIR/b" -S "$parent"
  build_and_test "$BATS_TEST_TMPDIR/b"
  grep -q 'program.install' "$BATS_TEST_TMPDIR/b.test.log"
}
