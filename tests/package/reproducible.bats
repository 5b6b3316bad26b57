#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Packages are reproducible: the same project built in another folder, on
# another file system, later, by a builder with another umask and time zone,
# gives the same bytes; a caller's own SOURCE_DATE_EPOCH is every timestamp.
# (reprotest.bats varies more, on the system packages.)

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

# A folder on a tmpfs where there is one (as /tmp is on Fedora and Arch), for
# a file system whose folder sizes differ from the build folder's.
# Its name is not ASCII, which some packaging tools once mishandled.
setup() {
  other=$BATS_TEST_TMPDIR/ü名前
  if [ "$(stat -f -c %T /dev/shm 2>/dev/null)" = tmpfs ]; then other=$(mktemp -d -p /dev/shm ü名前.XXXX); fi
}
teardown() { [[ $other != /dev/shm/* ]] || rm -rf "$other"; }

@test "the same files built elsewhere, later, under another umask and zone, pack identical packages" {
  copy_project "$other/src"
  (
    umask 077
    export TZ=Pacific/Kiritimati LC_ALL=C.UTF-8
    # shellcheck disable=SC2086 # the options are words
    configure "$other/build" -S "$other/src" \
      ${HELLO_TOOLCHAIN_FILE:+--toolchain "$HELLO_TOOLCHAIN_FILE"} $HELLO_CONFIGURE_OPTIONS &&
      cmake --build "$other/build" >/dev/null &&
      HELLO_BUILD_DIR=$other/build bash "$BATS_TEST_DIRNAME/make-packages.sh" "$other/packages" >/dev/null &&
      # CPackDeb adds the sizes of the folders it staged, which the file system
      # decides, into Installed-Size: this .deb is staged where package.make's was.
      { [[ ,$HELLO_FORMATS, != *,DEB,* ]] ||
        (cd "$other/build" && "${CPACK_COMMAND:-cpack}" -G DEB -B "$BATS_TEST_TMPDIR/deb" >/dev/null); }
  )
  echo "built in $other ($(stat -f -c %T "$other"))"
  while read -r package; do
    name=${package##*/}
    if [ "$name" = "$HELLO_PACKAGE_NAME-$HELLO_VERSION.tar.gz" ]; then
      echo "not compared: $name, git's archive of the commit, which the copy is not"; continue
    fi
    made=$other/packages/$name
    [[ $name != *.deb ]] || made=$BATS_TEST_TMPDIR/deb/$name
    cmp "$package" "$made"
    echo "identical: $name"
  done <"$HELLO_PACKAGES/made.txt"
}

@test "every file of an archive is dated SOURCE_DATE_EPOCH, by default the ChangeLog's date" {
  [[ ",$HELLO_FORMATS," == *",TGZ,"* ]] || skip "checked on the tar archive"
  dates() { TZ=UTC tar -tvzf "$1" | awk '{ print $4 " " $5 }' | sort -u; }
  [ "$(dates "$(package_file "/$HELLO_ARCHIVE.tar.gz")")" = \
    "$(TZ=UTC date -d "@${SOURCE_DATE_EPOCH:-$HELLO_RELEASE_EPOCH}" '+%F %R')" ]
  (cd "$HELLO_BUILD_DIR" && SOURCE_DATE_EPOCH=1700000000 "${CPACK_COMMAND:-cpack}" -G TGZ -B "$BATS_TEST_TMPDIR/out" >/dev/null)
  [ "$(dates "$BATS_TEST_TMPDIR/out/$HELLO_ARCHIVE.tar.gz")" = '2023-11-14 22:13' ]
}
