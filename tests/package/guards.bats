#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Where a tool would make a wrong package and report success, packaging fails
# instead, saying why.

bats_require_minimum_version 1.5.0
# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

# Runs cpack in this build with the arguments given; $output and $status tell.
pack() { cd "$HELLO_BUILD_DIR" && run "${CPACK_COMMAND:-cpack}" "$@"; }

teardown() { [ -z "${packer:-}" ] || rm -rf "$packer"; }

# $status and $output tell that packaging failed, saying $1.
failed_saying() { [ "$status" -ne 0 ] && grep -q -- "$1" <<<"$output" || { echo "$output"; return 1; }; }

@test "an output folder with '[' in its path, which CPack would pack nothing under" {
  [[ $HELLO_FORMATS =~ (TGZ|ZIP|RPM) ]] || skip "CPack makes none of this build's packages"
  pack -G "${BASH_REMATCH[1]}" -B "$BATS_TEST_TMPDIR/out[1]"
  failed_saying "CPack cannot package under a path with '\[' in it"
}

@test "a .deb without dpkg-shlibdeps, which would declare no dependency" {
  [[ ,$HELLO_FORMATS, == *,DEB,* ]] || skip "this build makes no .deb"
  # Programs searched for on a PATH alone, which has the other tools the .deb
  # needs but not dpkg-shlibdeps.
  mkdir "$BATS_TEST_TMPDIR/bin"
  for tool in file dpkg gzip readelf setfacl sh; do
    ! command -v "$tool" >/dev/null || ln -s "$(command -v "$tool")" "$BATS_TEST_TMPDIR/bin/"
  done
  PATH=$BATS_TEST_TMPDIR/bin pack -G DEB -B "$BATS_TEST_TMPDIR/out" -D CMAKE_FIND_USE_CMAKE_SYSTEM_PATH=OFF
  failed_saying 'apt-get install dpkg-dev'
  [ -z "$(find "$BATS_TEST_TMPDIR/out" -name '*.deb')" ]
}

@test "an .rpm under a path with a space, which rpmbuild stops at" {
  [[ ,$HELLO_FORMATS, == *,RPM,* ]] || skip "this build makes no .rpm"
  pack -G RPM -B "$BATS_TEST_TMPDIR/with space"
  failed_saying 'rpmbuild cannot work under'
}

@test "an archive packed by a user who is not root, which CPack before 4.3 gives that user's files" {
  [[ $HELLO_FORMATS =~ (TGZ|ZIP) ]] || skip "this build makes no archive"
  local format=${BASH_REMATCH[1]}
  [ "$(id -u)" -eq 0 ] || skip "only root can pack as another user"
  needs setpriv util-linux
  [[ $("${CPACK_COMMAND:-cpack}" --version) =~ ([0-9]+)\.([0-9]+) ]]
  (( BASH_REMATCH[1] * 100 + BASH_REMATCH[2] < 403 )) || skip "CPack 4.3 and later pack as root themselves"
  # A copy built by root and handed to uid 65534, who packs it, in /tmp: the
  # check's own folder may lie in one that other users cannot enter.
  packer=$(mktemp -d -p /tmp hello-packer.XXXXXX)
  copy_project "$packer/src"
  # shellcheck disable=SC2086 # the options are words
  configure "$packer/build" -S "$packer/src" \
    ${HELLO_TOOLCHAIN_FILE:+--toolchain "$HELLO_TOOLCHAIN_FILE"} $HELLO_CONFIGURE_OPTIONS
  cmake --build "$packer/build" >/dev/null
  chown -R 65534:65534 "$packer"
  as_packer() { (cd "$packer/build" && setpriv --reuid=65534 --regid=65534 --clear-groups "$@"); }
  as_packer test -r CPackConfig.cmake || skip "uid 65534 cannot reach $packer"
  run as_packer "${CPACK_COMMAND:-cpack}" -G "$format" -B "$packer/out"
  failed_saying "run cpack under fakeroot: fakeroot cpack -G $format"
  [ ! -e "$packer/out" ] || { ls -R "$packer/out"; return 1; }

  needs fakeroot
  as_packer fakeroot "${CPACK_COMMAND:-cpack}" -G "$format" -B "$packer/out" >/dev/null
  # Root unpacking it gets root's files, as the archive says.
  mkdir "$packer/root"
  if [ "$format" = TGZ ]; then tar -xzf "$packer"/out/*.tar.gz -C "$packer/root"
  else unzip -X -q "$packer"/out/*.zip -d "$packer/root"; fi
  others=$(find "$packer/root" -mindepth 1 \( ! -user 0 -o ! -group 0 \) -printf '%u:%g %P\n')
  [ -z "$others" ] || { echo "not root's: $others"; return 1; }
}
