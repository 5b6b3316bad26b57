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

@test "it conflicts with Debian's hello and hello-traditional, and depends on its libraries" {
  conflicts=$(dpkg-deb --field "$deb" Conflicts)
  [[ ", $conflicts, " == *", hello, "* && $conflicts == *hello-traditional* ]] || { echo "Conflicts: $conflicts"; return 1; }
  dpkg-deb --field "$deb" Depends | grep -q 'libc6' || { echo "no shared library dependencies"; return 1; }
  [ "$(dpkg-deb --field "$deb" Package)" = "$HELLO_PACKAGE_NAME" ]
}

@test "unpacked, its program runs and its manual and changelog are there, compressed" {
  dpkg-deb -x "$deb" "$BATS_TEST_TMPDIR/root"
  [ "$("$BATS_TEST_TMPDIR/root/usr/bin/hello")" = "$greeting_line" ]
  [ -f "$BATS_TEST_TMPDIR/root/usr/share/man/man1/hello.1.gz" ]
  [ -f "$BATS_TEST_TMPDIR/root/usr/share/doc/$HELLO_PACKAGE_NAME/changelog.gz" ]
  grep -qx 'License: MIT' "$BATS_TEST_TMPDIR/root/usr/share/doc/$HELLO_PACKAGE_NAME/copyright"
}

@test "made in another language, the target still names the .deb it made, and writes its SBOM beside it" {
  [ -d /usr/share/locale/fr/LC_MESSAGES ] || skip "no French messages here (Debian: apt-get install locales-all)"
  LC_ALL=fr_FR.UTF-8 LANGUAGE=fr HELLO_PACKAGE_DIRECTORY=$BATS_TEST_TMPDIR/made \
    cmake --build "$HELLO_BUILD_DIR" --target package_deb >"$BATS_TEST_TMPDIR/log" 2>&1 ||
    { cat "$BATS_TEST_TMPDIR/log"; return 1; }
  made=$(sed -n 's/^-- package: //p' "$BATS_TEST_TMPDIR/log")
  [ -f "$made" ] && [ -f "$made.cdx.json" ] || { cat "$BATS_TEST_TMPDIR/log"; return 1; }
}
