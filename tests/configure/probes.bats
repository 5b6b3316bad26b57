#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The probes of what the toolchain accepts are cached as CMake caches its
# checks, and a configure with --fresh, as the docs say, probes them again.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

@test "with --fresh, the static link follows the flags that allow or forbid it, both ways" {
  build=$BATS_TEST_TMPDIR/b
  for flags in '' -fsanitize=address ''; do
    configure "$build" --fresh -D CMAKE_EXE_LINKER_FLAGS="$flags"
    if [ -n "$flags" ]; then expected=dynamically; else expected=statically; fi
    grep "hello: linking $expected" "$build.log" || { cat "$build.log"; echo "flags '$flags': not $expected"; return 1; }
  done
  cmake --build "$build" >/dev/null
  is_static "$build/hello"
}

@test "with --fresh, a refused option is probed again: its cause may be gone" {
  # A compiler that refuses static links while the file 'refuse' exists, as
  # one without the static libraries would until they are installed.
  compiler=$BATS_TEST_TMPDIR/g++
  # shellcheck disable=SC2016 # the wrapper's own $arg and $@
  printf '#!/bin/sh\nfor arg; do case $arg in -static|-Wl,-static) [ ! -e "%s" ] || exit 1;; esac; done\nexec "%s" "$@"\n' \
    "$BATS_TEST_TMPDIR/refuse" "$HELLO_CXX" >"$compiler" && chmod +x "$compiler"
  touch "$BATS_TEST_TMPDIR/refuse"
  configure "$BATS_TEST_TMPDIR/b"
  grep -q 'hello: linking dynamically (this toolchain cannot link statically)' "$BATS_TEST_TMPDIR/b.log"
  rm "$BATS_TEST_TMPDIR/refuse"
  configure "$BATS_TEST_TMPDIR/b" --fresh
  # Linked as a first configure with the same compiler links, start files and all.
  configure "$BATS_TEST_TMPDIR/fresh"
  grep 'hello: linking statically' "$BATS_TEST_TMPDIR/b.log" &&
    [ "$(grep 'hello: linking' "$BATS_TEST_TMPDIR/b.log")" = "$(grep 'hello: linking' "$BATS_TEST_TMPDIR/fresh.log")" ] ||
    { grep 'hello: linking' "$BATS_TEST_TMPDIR/b.log" "$BATS_TEST_TMPDIR/fresh.log"; return 1; }
}

@test "where the ordinary start files give no static program, -static does, and configuring says why" {
  compiler=$BATS_TEST_TMPDIR/g++
  # GCC is given -Wl,--no-dynamic-linker, Clang -Xlinker --no-dynamic-linker.
  write_refusing_compiler "$compiler" '*--no-dynamic-linker'
  configure "$BATS_TEST_TMPDIR/b"
  grep -q 'hello: linking statically (.*); static start files' "$BATS_TEST_TMPDIR/b.log" &&
    grep -q 'hello: start files: those for static programs (this toolchain links no static program' \
      "$BATS_TEST_TMPDIR/b.log" || { cat "$BATS_TEST_TMPDIR/b.log"; return 1; }
  cmake --build "$BATS_TEST_TMPDIR/b" >/dev/null
  is_static "$BATS_TEST_TMPDIR/b/hello"
}
