#!/usr/bin/env bats
# Installing puts the program and its manual where users look for them, and
# the install manifest removes them again.

# shellcheck source=tests/helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

@test "installs under a prefix, runs from there, and uninstalls" {
  prefix=$BATS_TEST_TMPDIR/prefix
  "${CMAKE_COMMAND:-cmake}" --install "$build_dir" ${HELLO_CONFIG:+--config "$HELLO_CONFIG"} \
    --prefix "$prefix" >/dev/null
  run_program "$prefix/bin/$(basename "$HELLO")" >"$out" 2>"$err" || status=$?
  assert_greeted
  if on_windows; then [ -f "$prefix/README.txt" ]; else [ -f "$prefix/share/man/man1/hello.1" ]; fi

  xargs -d '\n' rm -- <"$build_dir/install_manifest.txt"
  [ -z "$(find "$prefix" -type f)" ]
}

@test "--strip installs a smaller program that still runs" {
  prefix=$BATS_TEST_TMPDIR/stripped
  "${CMAKE_COMMAND:-cmake}" --install "$build_dir" ${HELLO_CONFIG:+--config "$HELLO_CONFIG"} \
    --prefix "$prefix" --strip >/dev/null
  program=$prefix/bin/$(basename "$HELLO")
  [ "$(stat -c %s "$program")" -lt "$(stat -c %s "$HELLO")" ]
  run_program "$program" >"$out" 2>"$err" || status=$?
  assert_greeted
}
