#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# A packager's compiler flags are the last word: the build adds nothing after
# them that would undo them.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

# The compile command of main.cpp in build folder $1.
compile_command() { grep -E '"command": .*main\.cpp' "$1/compile_commands.json"; }

@test "with no build type, CXXFLAGS alone say how to compile" {
  CXXFLAGS='-O2 -g' configure "$BATS_TEST_TMPDIR/b" -D CMAKE_EXPORT_COMPILE_COMMANDS=ON
  command=$(compile_command "$BATS_TEST_TMPDIR/b")
  [[ $command == *' -O2 -g '* ]] || { echo "$command"; return 1; }
  if grep -Eo -- ' -O[0-9s]' <<<"$command" | grep -v -- -O2; then echo "$command"; return 1; fi
}

@test "a packager's -D_FORTIFY_SOURCE=3 is the last fortify flag" {
  configure "$BATS_TEST_TMPDIR/b" -D HELLO_STATIC=OFF -D CMAKE_BUILD_TYPE=Release \
    -D CMAKE_CXX_FLAGS=-D_FORTIFY_SOURCE=3 -D CMAKE_EXPORT_COMPILE_COMMANDS=ON
  last=$(compile_command "$BATS_TEST_TMPDIR/b" | grep -o -- '-[DU]_FORTIFY_SOURCE[=0-9]*' | tail -n 1)
  [ "$last" = -D_FORTIFY_SOURCE=3 ] || { echo "the packager's -D_FORTIFY_SOURCE=3 became $last"; return 1; }
}

@test "compiler hardening flags, which the build leaves to packagers, change no instruction" {
  for flags in '' '-D_FORTIFY_SOURCE=3 -fstack-protector-strong'; do
    # shellcheck disable=SC2086 # the flags are words
    "$HELLO_CXX" -std=c++17 -O2 $flags -c "$HELLO_SOURCE_DIR/src/main.cpp" -o "$BATS_TEST_TMPDIR/main.o"
    objdump -d "$BATS_TEST_TMPDIR/main.o" | tail -n +4 >"$BATS_TEST_TMPDIR/main${flags:+-hardened}.s"
  done
  diff "$BATS_TEST_TMPDIR/main.s" "$BATS_TEST_TMPDIR/main-hardened.s"
}
