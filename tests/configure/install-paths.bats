#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The install checks work on their own copy of the install, whatever the
# install paths or a DESTDIR in the environment say: nothing lands outside
# their folder, and the build's own install manifest is left alone.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

@test "absolute install paths and a DESTDIR in the environment stay out of the install checks' way" {
  outside=$BATS_TEST_TMPDIR/outside
  mkdir -p "$outside/destdir"
  configure "$BATS_TEST_TMPDIR/b" -D CMAKE_INSTALL_DOCDIR="$outside/doc" -D CMAKE_INSTALL_MANDIR="$outside/man"
  cmake --build "$BATS_TEST_TMPDIR/b" >/dev/null
  echo 'the user install' >"$BATS_TEST_TMPDIR/b/install_manifest.txt"
  DESTDIR=$outside/destdir ctest --test-dir "$BATS_TEST_TMPDIR/b" -R '^program\.install$' --output-on-failure
  [ -z "$(find "$outside" -mindepth 1 -not -path "$outside/destdir")" ] || { find "$outside"; return 1; }
  [ "$(cat "$BATS_TEST_TMPDIR/b/install_manifest.txt")" = 'the user install' ]
}
