#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The RPM package: rpmlint-clean as Fedora lints but the owner's decisions,
# its headers, and installed into and removed from a scratch root without a trace.

bats_require_minimum_version 1.5.0
# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

setup() { rpm=$(package_file .rpm); }

@test "rpmlint finds nothing but the owner's decisions" {
  run rpmlint -c "$HELLO_SOURCE_DIR/packaging/rpmlint.toml" "$rpm"
  echo "$output"
  grep -q ' 1 packages and 0 specfiles checked' <<<"$output" || { echo "rpmlint did not check the package"; return 1; }
  only_owner_decisions "$(awk -F': ' "/^$HELLO_PACKAGE_NAME/ { split(\$3, f, \" \"); print f[1] }" <<<"$output" | sort -u)"
}

@test "it is named as the README says, conflicts with Fedora's hello, is not relocatable, says its licence" {
  [[ ${rpm##*/} =~ ^${HELLO_PACKAGE_NAME}-[0-9.]+-1\.[a-z0-9_]+\.rpm$ ]] || { echo "named ${rpm##*/}"; return 1; }
  rpm -qp --conflicts "$rpm" | grep -qx hello
  [ "$(rpm -qp --queryformat '%{PREFIXES}' "$rpm")" = '(none)' ] || { rpm -qpi "$rpm"; return 1; }
  [ "$(rpm -qp --queryformat '%{LICENSE}' "$rpm")" = MIT ] || { rpm -qpi "$rpm"; return 1; }
  rpm -qp --licensefiles "$rpm" | grep -qx "/usr/share/licenses/$HELLO_PACKAGE_NAME/LICENSE"
}

@test "installed into a scratch root it runs, and removing it leaves nothing" {
  root=$BATS_TEST_TMPDIR/root
  # Debian's rpm keeps its database in the home folder unless told otherwise.
  scratch_rpm() { rpm --root "$root" --dbpath /var/lib/rpm "$@"; }
  scratch_rpm --initdb
  scratch_rpm -i --nodeps "$rpm"
  [ "$("$root/usr/bin/hello")" = "$greeting_line" ]
  [ -f "$root/usr/share/man/man1/hello.1.gz" ]
  scratch_rpm -e "$HELLO_PACKAGE_NAME"
  left=$(find "$root" -path "$root/var/lib/rpm" -prune -o -type f -print)
  [ -z "$left" ] && [ ! -e "$root/usr/share/doc/$HELLO_PACKAGE_NAME" ] || { echo "left behind: $left"; return 1; }
}
