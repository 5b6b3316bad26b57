#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Debian's own recipe, `dh $@` with no option of hello's, gives the dynamic,
# hardened build: a /usr/bin/hello that the package's Depends covers. The
# project ships no debian/ folder; this check writes a minimal one into a copy.

bats_require_minimum_version 1.5.0
# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

@test "a dh build gives a dynamic /usr/bin/hello and the package depends on its libraries" {
  src=$BATS_TEST_TMPDIR/$HELLO_PACKAGE_NAME
  copy_project "$src"
  mkdir -p "$src/debian/source"
  echo '3.0 (native)' >"$src/debian/source/format"
  cp "$src/ChangeLog" "$src/debian/changelog"
  maintainer=$(sed -n 's/^ -- \(.*>\)  .*/\1/p' "$src/ChangeLog" | head -n 1)
  cat >"$src/debian/control" <<EOF_CONTROL
Source: $HELLO_PACKAGE_NAME
Section: utils
Priority: optional
Maintainer: $maintainer
Build-Depends: debhelper-compat (= 13), cmake, bats <!nocheck>
Standards-Version: 4.6.2
Rules-Requires-Root: no

Package: $HELLO_PACKAGE_NAME
Architecture: any
Depends: \${shlibs:Depends}, \${misc:Depends}
Description: Print a friendly greeting
 A check's own package.
EOF_CONTROL
  printf '#!/usr/bin/make -f\n%%:\n\tdh $@\n' >"$src/debian/rules" && chmod +x "$src/debian/rules"

  (cd "$src" && dpkg-buildpackage -us -uc -b) >"$BATS_TEST_TMPDIR/build.log" 2>&1 ||
    { tail -n 40 "$BATS_TEST_TMPDIR/build.log"; return 1; }
  grep 'hello: linking dynamically (the install prefix is /usr' "$BATS_TEST_TMPDIR/build.log"
  deb=$(find "$BATS_TEST_TMPDIR" -maxdepth 1 -name "${HELLO_PACKAGE_NAME}_*.deb")
  dpkg-deb --field "$deb" Depends | grep -q 'libc6'
  dpkg-deb -x "$deb" "$BATS_TEST_TMPDIR/root"
  ! is_static "$BATS_TEST_TMPDIR/root/usr/bin/hello" || { echo "/usr/bin/hello is static"; return 1; }
  [ "$("$BATS_TEST_TMPDIR/root/usr/bin/hello")" = "$greeting_line" ]
}
