#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Distributions' own recipes get the dynamic, hardened build without knowing
# any option of hello's; a build of one's own stays static; HELLO_STATIC given
# explicitly always wins. Configuring says which it chose and why.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

# Configures with the arguments after '--' and expects link $1 (statically or
# dynamically) for reason $2 (a fixed string).
expect_link() {
  local expected=$1 reason=$2
  shift 3
  configure "$BATS_TEST_TMPDIR/b" "$@"
  grep -F -- "-- hello: linking $expected ($reason" "$BATS_TEST_TMPDIR/b.log" ||
    { cat "$BATS_TEST_TMPDIR/b.log"; echo "expected: linking $expected ($reason)"; return 1; }
  if grep -A3 'not used by the project' "$BATS_TEST_TMPDIR/b.log" | grep BUILD_SHARED_LIBS; then
    echo "CMake warned that the project does not use BUILD_SHARED_LIBS"; return 1
  fi
  rm -rf "$BATS_TEST_TMPDIR/b"
}

@test "distributions' recipes link dynamically; other builds statically unless told" {
  # Arch's PKGBUILDs
  expect_link dynamically 'the install prefix is /usr' -- -D CMAKE_BUILD_TYPE=None -D CMAKE_INSTALL_PREFIX=/usr
  # Fedora's %cmake and Alpine's abuild
  expect_link dynamically 'BUILD_SHARED_LIBS is ON' -- -D CMAKE_INSTALL_PREFIX:PATH=/usr -D BUILD_SHARED_LIBS:BOOL=ON
  expect_link dynamically 'BUILD_SHARED_LIBS is ON' -- -D CMAKE_INSTALL_PREFIX=/usr -D BUILD_SHARED_LIBS=True \
    -D CMAKE_BUILD_TYPE=MinSizeRel
  # A build of one's own, and explicit choices
  expect_link statically 'the default' --
  expect_link statically 'the default' -- -D CMAKE_INSTALL_PREFIX=/usr/local
  expect_link statically 'HELLO_STATIC=ON' -- -D CMAKE_INSTALL_PREFIX=/usr -D HELLO_STATIC=ON
  expect_link dynamically 'HELLO_STATIC=OFF' -- -D HELLO_STATIC=OFF
}
