#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The Debian package: lintian-clean but the owner's decisions (no home page yet), its fields, and
# what it installs, unpacked into a scratch folder (the machine's package
# database is not touched).

bats_require_minimum_version 1.5.0
# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

setup() { deb=$(package_file .deb); }

@test "lintian finds nothing but the owner's decisions" {
  run lintian --tag-display-limit 0 "$deb"
  echo "$output"
  tags=$(awk '/^[A-Z]: / { print $3 }' <<<"$output" | sort -u)
  # Lintian exits 2 both on an error tag and when it could not run at all.
  [ "$status" -eq 0 ] || [ -n "$tags" ] || { echo "lintian did not run"; return 1; }
  only_owner_decisions "$tags"
}

@test "its name is the README's" {
  [[ ${deb##*/} =~ ^${HELLO_PACKAGE_NAME}_[0-9.]+_[a-z0-9]+\.deb$ ]] || { echo "named ${deb##*/}"; return 1; }
}

@test "it conflicts with Debian's hello and hello-traditional, depends on its libraries, is the ChangeLog maintainer's, in utils" {
  conflicts=$(dpkg-deb --field "$deb" Conflicts)
  [[ ", $conflicts, " == *", hello, "* && $conflicts == *hello-traditional* ]] || { echo "Conflicts: $conflicts"; return 1; }
  dpkg-deb --field "$deb" Depends | grep -q 'libc6' || { echo "no shared library dependencies"; return 1; }
  [ "$(dpkg-deb --field "$deb" Package)" = "$HELLO_PACKAGE_NAME" ]
  [ "$(dpkg-deb --field "$deb" Maintainer)" = "$(sed -n 's/^ -- \(.*>\)  .*/\1/p' "$HELLO_SOURCE_DIR/ChangeLog" | head -n 1)" ]
  [ "$(dpkg-deb --field "$deb" Section Priority)" = $'Section: utils\nPriority: optional' ]
}

@test "unpacked, its program runs and its manual and changelog are there, compressed" {
  dpkg-deb -x "$deb" "$BATS_TEST_TMPDIR/root"
  [ "$("$BATS_TEST_TMPDIR/root/usr/bin/hello")" = "$greeting_line" ]
  [ -f "$BATS_TEST_TMPDIR/root/usr/share/man/man1/hello.1.gz" ]
  [ -f "$BATS_TEST_TMPDIR/root/usr/share/doc/$HELLO_PACKAGE_NAME/changelog.gz" ]
  grep -qx 'License: MIT' "$BATS_TEST_TMPDIR/root/usr/share/doc/$HELLO_PACKAGE_NAME/copyright"
  [ ! -e "$BATS_TEST_TMPDIR/root/usr/share/licenses" ]
}

@test "the dynamic workflow's package step makes the same .deb as cpack -G DEB in the build folder" {
  [ "$(realpath "$HELLO_BUILD_DIR")" = "$(realpath "$HELLO_SOURCE_DIR/build/dynamic")" ] ||
    skip "the dynamic workflow packs build/dynamic, and this build is elsewhere"
  (cd "$HELLO_SOURCE_DIR" && "${CPACK_COMMAND:-cpack}" --preset dynamic -B "$BATS_TEST_TMPDIR/workflow" >/dev/null)
  cmp "$deb" "$BATS_TEST_TMPDIR/workflow/${deb##*/}"
}
