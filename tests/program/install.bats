#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Installing puts the program and its documentation where users look for them.
# Each case installs hello's component alone into a folder of its own (DESTDIR,
# whatever the environment or the install paths say), so it writes no file
# outside it and no manifest but the component's own.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

# The component also names the manifest of the install, apart from the user's.
component=${HELLO_COMPONENT:-$(sed -n 's/^CMAKE_PROJECT_NAME:STATIC=//p' "$build_dir/CMakeCache.txt" 2>/dev/null)}
# Installs into $root with extra `cmake --install` options; sets $installed
# to the files installed, one a line.
install_hello() {
  [ -n "$component" ] || skip "HELLO_COMPONENT is not set, and $build_dir has no CMakeCache.txt to tell it"
  root=$BATS_TEST_TMPDIR/root
  DESTDIR=$root "${CMAKE_COMMAND:-cmake}" --install "$build_dir" ${HELLO_CONFIG:+--config "$HELLO_CONFIG"} \
    --component "$component" --prefix /opt/hello "$@" >/dev/null
  installed=$(find "$root" -type f)
}

# The installed file whose name is $1.
installed_file() { grep -m 1 "/$1\$" <<<"$installed"; }

@test "installs the program and its documentation, runs from there, and uninstalls" {
  install_hello
  program=$(installed_file "$(basename "$HELLO")")
  run_program "$program" >"$out" 2>"$err" || status=$?
  assert_greeted
  if on_windows; then installed_file README.txt; else installed_file man1/hello.1 && installed_file changelog; fi
  # A static program carries its runtimes, and their notices come with it.
  installed_file LICENSE
  [ "${HELLO_LINKS_STATICALLY:-}" != ON ] || installed_file THIRD-PARTY-NOTICES

  # The README's uninstall, with DESTDIR as for the install, removes the staged
  # files alone: the same files installed for real stay.
  DESTDIR=$BATS_TEST_TMPDIR/live "${CMAKE_COMMAND:-cmake}" --install "$build_dir" ${HELLO_CONFIG:+--config "$HELLO_CONFIG"} \
    --component "$component" --prefix /opt/hello >/dev/null
  live=$(cd "$BATS_TEST_TMPDIR/live" && find . -type f)
  DESTDIR=$root "${CMAKE_COMMAND:-cmake}" -D MANIFEST="$build_dir/install_manifest_$component.txt" \
    -P "$HELLO_SOURCE_DIR/cmake/Uninstall.cmake" >/dev/null
  [ -z "$(find "$root" -type f)" ] || { echo "left: $(find "$root" -type f)"; return 1; }
  [ "$(cd "$BATS_TEST_TMPDIR/live" && find . -type f)" = "$live" ] && [ -n "$live" ]
}

@test "an uninstall under another DESTDIR than the install's refuses, and removes nothing" {
  install_hello
  mkdir -p "$BATS_TEST_TMPDIR/other/opt/hello/bin" && echo theirs >"$BATS_TEST_TMPDIR/other/opt/hello/bin/hello"
  if DESTDIR=$BATS_TEST_TMPDIR/other "${CMAKE_COMMAND:-cmake}" -D MANIFEST="$build_dir/install_manifest_$component.txt" \
    -P "$HELLO_SOURCE_DIR/cmake/Uninstall.cmake" >"$BATS_TEST_TMPDIR/log" 2>&1; then
    cat "$BATS_TEST_TMPDIR/log"; echo "it uninstalled under another DESTDIR"; return 1
  fi
  [ "$(cat "$BATS_TEST_TMPDIR/other/opt/hello/bin/hello")" = theirs ] && [ "$(find "$root" -type f)" = "$installed" ]
}

@test "--strip installs a smaller program that still runs" {
  [ -n "${HELLO_STRIP-strip}" ] || skip "this toolchain has no strip program (MSVC's programs keep no symbols)"
  install_hello --strip
  program=$(installed_file "$(basename "$HELLO")")
  [ "$(stat -c %s "$program")" -lt "$(stat -c %s "$HELLO")" ]
  run_program "$program" >"$out" 2>"$err" || status=$?
  assert_greeted
}
