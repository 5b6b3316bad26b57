#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Installing puts the program and its documentation where users look for them,
# and the uninstall removes what an install wrote, as it wrote it, and nothing
# else. Each case installs hello's component alone, under a DESTDIR in its own
# folder, with a copy of the build's install script: it installs the build's
# files, but keeps its record of installs beside it, apart from the user's.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

component=${HELLO_COMPONENT:-$(sed -n 's/^CMAKE_PROJECT_NAME:STATIC=//p' "$build_dir/CMakeCache.txt" 2>/dev/null)}

# Installs under DESTDIR $1 into prefix $2, with further `cmake --install`
# options; sets $installed to the files under $1.
install_hello() {
  [ -n "$component" ] || skip "HELLO_COMPONENT is not set, and $build_dir has no CMakeCache.txt to tell it"
  scripts=$BATS_TEST_TMPDIR/build
  mkdir -p "$scripts" && cp "$build_dir/cmake_install.cmake" "$scripts/"
  DESTDIR=$1 "${CMAKE_COMMAND:-cmake}" --install "$scripts" ${HELLO_CONFIG:+--config "$HELLO_CONFIG"} \
    --component "$component" --prefix "$2" "${@:3}" >/dev/null || return
  installed=$(find "$1" -type f)
}

# The installed file whose name is $1.
installed_file() { grep -m 1 "/$1\$" <<<"$installed"; }

# Runs the uninstall under DESTDIR $1: its output in $log, its status in $status.
uninstall_hello() {
  log=$BATS_TEST_TMPDIR/log status=0
  DESTDIR=$1 "${CMAKE_COMMAND:-cmake}" -D RECORD="$scripts/install_record.txt" \
    -P "$HELLO_SOURCE_DIR/cmake/Uninstall.cmake" >"$log" 2>&1 || status=$?
}

# What folders $@ hold: each file and folder, and the files' bytes.
contents() { { find "$@" -printf '%y %p\n' && find "$@" -type f -exec sha256sum {} +; } 2>/dev/null | sort; }

# Installs under DESTDIR $BATS_TEST_TMPDIR/$1 into prefix $2, with a file or
# (ending in /) folder $3 there before, then uninstalls: the install wrote,
# and the uninstall left the DESTDIR as it was.
uninstalls_exactly() {
  local destdir=$BATS_TEST_TMPDIR/$1 before
  mkdir -p "$destdir${3%/*}"
  [[ $3 == */ ]] || echo theirs >"$destdir$3"
  before=$(contents "$destdir")
  install_hello "$destdir" "$2"
  [ "$(contents "$destdir")" != "$before" ] && uninstall_hello "$destdir"
  [ "$status" -eq 0 ] && [ "$(contents "$destdir")" = "$before" ] ||
    { cat "$log"; echo "DESTDIR $destdir, prefix $2:"; find "$destdir"; return 1; }
}

@test "installs the program and its documentation, runs from there, and uninstalls" {
  root=$BATS_TEST_TMPDIR/root live=$BATS_TEST_TMPDIR/live
  install_hello "$root" /opt/hello
  program=$(installed_file "$(basename "$HELLO")")
  run_program "$program" >"$out" 2>"$err" || status=$?
  assert_greeted
  if on_windows; then installed_file README.txt; else installed_file man1/hello.1 && installed_file changelog; fi
  # A static program carries its runtimes, and their notices come with it.
  installed_file LICENSE
  [ "${HELLO_LINKS_STATICALLY:-}" != ON ] || installed_file THIRD-PARTY-NOTICES

  # The uninstall of the staged files removes them, and the folders the
  # install made, DESTDIR's own among them; the same files installed for real stay.
  install_hello "$live" /opt/hello && [ -n "$installed" ]
  before=$(contents "$live")
  uninstall_hello "$root"
  [ "$status" -eq 0 ] && [ ! -e "$root" ] && [ "$(contents "$live")" = "$before" ] || { cat "$log"; find "$root"; return 1; }
}

@test "cpack records no install, and an uninstall under another DESTDIR than the install's refuses, names it, removes nothing" {
  mkdir -p "$BATS_TEST_TMPDIR/live/bin" && echo theirs >"$BATS_TEST_TMPDIR/live/bin/hello"
  install_hello "$BATS_TEST_TMPDIR/staged" "$BATS_TEST_TMPDIR/live"
  # CPack stages its package with the install script: that is no install to record.
  record=$(cat "$scripts/install_record.txt")
  # CPack cannot pack under a path with '[' (the README says so): there, the rest alone.
  [[ $scripts == *'['* ]] || "${CPACK_COMMAND:-cpack}" -G TGZ ${HELLO_CONFIG:+-C "$HELLO_CONFIG"} --config /dev/null -B "$BATS_TEST_TMPDIR/packages" \
    -D CPACK_PACKAGE_NAME=hello -D CPACK_PACKAGE_VERSION=0 -D CPACK_PACKAGE_DESCRIPTION=hello -D CPACK_PACKAGE_FILE_NAME=hello \
    -D CPACK_SET_DESTDIR=ON -D CPACK_CMAKE_GENERATOR=Ninja -D "CPACK_INSTALL_CMAKE_PROJECTS=$scripts;hello;$component;/" >/dev/null
  [ "$(cat "$scripts/install_record.txt")" = "$record" ]
  folders=("$BATS_TEST_TMPDIR/live" "$BATS_TEST_TMPDIR/staged" "$scripts")
  before=$(contents "${folders[@]}")
  for destdir in '' "$BATS_TEST_TMPDIR/live"; do
    uninstall_hello "$destdir"
    [ "$status" -ne 0 ] && grep -qF "DESTDIR '$BATS_TEST_TMPDIR/staged', prefix '$BATS_TEST_TMPDIR/live'" "$log" ||
      { cat "$log"; echo "under DESTDIR '$destdir'"; return 1; }
  done
  [ "$(contents "${folders[@]}")" = "$before" ]
}

@test "of two installs, the uninstall removes the one under its DESTDIR, and what was there before stays" {
  one=$BATS_TEST_TMPDIR/one two=$BATS_TEST_TMPDIR/two
  mkdir -p "$one/opt/b/bin" && echo theirs >"$one/opt/b/bin/hello"
  before=$(contents "$one")
  install_hello "$one" /opt/a
  install_hello "$two" /opt/b
  after=$(contents "$two")
  uninstall_hello "$one"
  [ "$(contents "$one")" = "$before" ] && [ "$(contents "$two")" = "$after" ] || { cat "$log"; find "$one"; return 1; }
  # An install over an earlier one (stripping, here) is uninstalled as it left the files.
  install_hello "$two" /opt/b --strip
  uninstall_hello "$two"
  [ "$status" -eq 0 ] && [ ! -e "$two" ] && ! grep leaving "$log" || { cat "$log"; find "$two"; return 1; }
}

@test "whatever bytes DESTDIR and prefix hold, the uninstall removes the files installed and the folders made" {
  uninstalls_exactly semicolon '/opt/x;/victim' /victim/bin/hello
  uninstalls_exactly non-ascii /opt/nä /bin/hello
  uninstalls_exactly brackets '/opt/[a] b]]' '/opt/[a] b]]/'
  uninstalls_exactly new-line $'/opt/new\nline' /bin/hello
  uninstalls_exactly 'odd ;[ä]=]' /opt/hello /opt/
}

@test "the uninstall leaves a file changed since the install, or whose folder now leads elsewhere, and says so" {
  root=$BATS_TEST_TMPDIR/root
  install_hello "$root" /opt/hello
  program=$(installed_file "$(basename "$HELLO")") licence=$(installed_file LICENSE)
  document=$(installed_file changelog || installed_file README.txt)
  echo changed >>"$licence"
  mv "$document" "$BATS_TEST_TMPDIR/document" && ln -s "$BATS_TEST_TMPDIR/document" "$document"
  mv "${program%/*}" "$BATS_TEST_TMPDIR/elsewhere" && ln -s "$BATS_TEST_TMPDIR/elsewhere" "${program%/*}"
  uninstall_hello "$root"
  # (CMake names a file installed into the prefix itself PREFIX/./NAME.)
  for left in "$licence" "$document" "$program"; do
    [ -e "$left" ] && grep -qF "/${left##*/}: " "$log" || { cat "$log"; echo "not left: $left"; return 1; }
  done
  [ "$status" -eq 0 ] && [ -z "$(find "$root" -type f -not -path "$licence")" ]
}

@test "an install under a relative DESTDIR, or through '..', refuses, and writes nothing" {
  cd "$BATS_TEST_TMPDIR"
  while IFS='|' read -r destdir prefix said; do
    if install_hello "$destdir" "$prefix" 2>"$err"; then echo "it installed under $destdir$prefix"; return 1; fi
    grep -q "$said" "$err" && [ ! -e relative ] && [ ! -e pre ] && [ ! -e build/install_record.txt ] || { cat "$err"; return 1; }
  done <<EOF_CASES
relative|/opt/hello|DESTDIR=relative is relative
$BATS_TEST_TMPDIR/link/..|/pre|without '..'
|$BATS_TEST_TMPDIR/link/../pre|without '..'
EOF_CASES
}

@test "--strip installs a smaller program that still runs" {
  [ -n "${HELLO_STRIP-strip}" ] || skip "this toolchain has no strip program (MSVC's programs keep no symbols)"
  install_hello "$BATS_TEST_TMPDIR/root" /opt/hello --strip
  program=$(installed_file "$(basename "$HELLO")")
  [ "$(stat -c %s "$program")" -lt "$(stat -c %s "$HELLO")" ]
  run_program "$program" >"$out" 2>"$err" || status=$?
  assert_greeted
}
