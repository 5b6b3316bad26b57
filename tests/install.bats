#!/usr/bin/env bats
# Installing puts the program and its manual where users look for them.

@test "installs the program and its manual under a prefix" {
  prefix=$BATS_TEST_TMPDIR/prefix
  "$CMAKE_COMMAND" --install "$HELLO_BUILD_DIR" --config "$HELLO_CONFIG" --prefix "$prefix" >/dev/null
  [ "$("$prefix/bin/hello")" = 'Hello World!' ]
  [ -f "$prefix/share/man/man1/hello.1" ]
}
