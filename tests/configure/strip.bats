#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# `cmake --install --strip` ignores a strip program's failure: one that cannot
# strip a static program (as llvm-strip 14 cannot) is replaced at configure by
# one that can, so that the README's --strip keeps its promise.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

@test "a strip that cannot strip a static program is replaced, and --strip installs a smaller program" {
  printf '#!/bin/sh\necho "cannot strip this" >&2\nexit 1\n' >"$BATS_TEST_TMPDIR/strip" && chmod +x "$BATS_TEST_TMPDIR/strip"
  configure "$BATS_TEST_TMPDIR/b" -D CMAKE_STRIP="$BATS_TEST_TMPDIR/strip"
  grep "cannot strip a static program; using" "$BATS_TEST_TMPDIR/b.log" || { cat "$BATS_TEST_TMPDIR/b.log"; return 1; }
  cmake --build "$BATS_TEST_TMPDIR/b" >/dev/null
  DESTDIR=$BATS_TEST_TMPDIR/root cmake --install "$BATS_TEST_TMPDIR/b" --strip --prefix /usr/local >/dev/null
  [ "$(stat -c %s "$BATS_TEST_TMPDIR/root/usr/local/bin/hello")" -lt "$(stat -c %s "$BATS_TEST_TMPDIR/b/hello")" ]
}
