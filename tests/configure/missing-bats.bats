#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# A machine without the test runner must not report that the tests passed.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

@test "without bats, the suite fails and says what to install" {
  # Every folder of PATH, where bats may also be found beside the bats running this.
  configure "$BATS_TEST_TMPDIR/b" -D CMAKE_IGNORE_PATH="${PATH//:/;};/usr/bin;/bin;/usr/local/bin"
  if ctest --test-dir "$BATS_TEST_TMPDIR/b" --output-on-failure >"$BATS_TEST_TMPDIR/test.log" 2>&1; then
    cat "$BATS_TEST_TMPDIR/test.log"; echo "ctest passed without bats"; return 1
  fi
  grep "apt-get install bats" "$BATS_TEST_TMPDIR/test.log" || { cat "$BATS_TEST_TMPDIR/test.log"; return 1; }
}
