#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The usual build commands do what a user expects of them, whatever the generator.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

@test "Ninja Multi-Config builds and installs Release by default" {
  command -v ninja >/dev/null || skip "ninja is not installed (Debian: apt-get install ninja-build)"
  HELLO_GENERATOR='Ninja Multi-Config' HELLO_MAKE_PROGRAM=$(command -v ninja) configure "$BATS_TEST_TMPDIR/b"
  cmake --build "$BATS_TEST_TMPDIR/b" >/dev/null
  [ -x "$BATS_TEST_TMPDIR/b/Release/hello" ]
  DESTDIR=$BATS_TEST_TMPDIR/root cmake --install "$BATS_TEST_TMPDIR/b" --prefix /usr/local >/dev/null
  [ "$("$BATS_TEST_TMPDIR/root/usr/local/bin/hello")" = "$greeting_line" ]
}

@test "the package target makes the archive the README names and its SBOM, nothing else; a dynamic one says so" {
  for link in ON OFF; do
    configure "$BATS_TEST_TMPDIR/b-$link" -D HELLO_STATIC=$link
    cmake --build "$BATS_TEST_TMPDIR/b-$link" --target package >/dev/null
    made=$(cd "$BATS_TEST_TMPDIR/b-$link" && find . -maxdepth 1 -type f -name 'hello-cxx-*' | sort)
    if [ $link = ON ]; then suffix=''; else suffix='-dynamic'; fi
    archive=$(head -n 1 <<<"$made")
    [[ $archive =~ ^\./hello-cxx-[0-9.]+-linux-[a-z0-9_]+$suffix\.tar\.gz$ ]] &&
      [ "$made" = "$archive"$'\n'"$archive.cdx.json" ] || { echo "made: $made"; return 1; }
  done
}
