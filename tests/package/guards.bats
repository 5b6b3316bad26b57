#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Where a tool would make a wrong package and report success, packaging fails
# instead, saying why.

bats_require_minimum_version 1.5.0
# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

# Runs cpack in this build with the arguments given; $output and $status tell.
pack() { cd "$HELLO_BUILD_DIR" && run "${CPACK_COMMAND:-cpack}" "$@"; }

# $status and $output tell that packaging failed, saying $1.
failed_saying() { [ "$status" -ne 0 ] && grep -q -- "$1" <<<"$output" || { echo "$output"; return 1; }; }

@test "an output folder with '[' in its path, which CPack would pack nothing under" {
  [[ $HELLO_FORMATS =~ (TGZ|ZIP|RPM) ]] || skip "CPack makes none of this build's packages"
  pack -G "${BASH_REMATCH[1]}" -B "$BATS_TEST_TMPDIR/out[1]"
  failed_saying "CPack cannot package under a path with '\[' in it"
}

@test "a .deb without dpkg-shlibdeps, which would declare no dependency" {
  [[ ,$HELLO_FORMATS, == *,deb,* ]] || skip "this build makes no .deb"
  # A PATH without dpkg-shlibdeps (a CMake script searches nowhere else).
  mkdir "$BATS_TEST_TMPDIR/bin" && ln -s "$(command -v cmake)" "$BATS_TEST_TMPDIR/bin/"
  PATH=$BATS_TEST_TMPDIR/bin HELLO_PACKAGE_DIRECTORY=$BATS_TEST_TMPDIR/out \
    run cmake --build "$HELLO_BUILD_DIR" --target package_deb
  failed_saying 'apt-get install dpkg-dev'
  [ -z "$(find "$BATS_TEST_TMPDIR/out" -name '*.deb' 2>/dev/null)" ]
}

@test "an .rpm under a path with a space, which rpmbuild stops at" {
  [[ ,$HELLO_FORMATS, == *,RPM,* ]] || skip "this build makes no .rpm"
  pack -G RPM -B "$BATS_TEST_TMPDIR/with space"
  failed_saying 'rpmbuild cannot work under'
}
