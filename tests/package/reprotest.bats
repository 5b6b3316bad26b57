#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The reproducible-builds project's reprotest builds the packages twice, the
# second time with the builder's conditions varied, and compares them: they
# must not differ. Every variation runs but user_group, which needs sudo to
# another account (reprotest's `sudo -h` is refused by sudo 1.9.13).

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

@test "reprotest finds no difference in any package under varied conditions" {
  src=$BATS_TEST_TMPDIR/src
  copy_project "$src"
  # A commit of its own, dated as the release, for the source package.
  git -C "$src" init -q && git -C "$src" add . && GIT_AUTHOR_DATE="@$HELLO_RELEASE_EPOCH" \
    GIT_COMMITTER_DATE="@$HELLO_RELEASE_EPOCH" git -C "$src" -c user.name=check -c user.email=check@localhost commit -qm files
  configure="cmake -G Ninja -D CMAKE_CXX_COMPILER=$HELLO_CXX -D CPACK_PACKAGE_DIRECTORY=\$PWD/dist -S ."
  build="$configure -B b/static >/dev/null && cmake --build b/static >/dev/null &&
    (cd b/static && cpack -G TGZ >/dev/null) && cmake --build b/static --target package_source &&
    $configure -B b/dynamic -D HELLO_STATIC=OFF >/dev/null && cmake --build b/dynamic >/dev/null &&
    (cd b/dynamic && cpack -G 'DEB;RPM' >/dev/null)"
  reprotest --vary=-user_group --store-dir "$BATS_TEST_TMPDIR/results" -c "$build" "$src" \
    'dist/*.tar.gz dist/*.deb dist/*.rpm' >"$BATS_TEST_TMPDIR/reprotest.log" 2>&1 ||
    { tail -n 60 "$BATS_TEST_TMPDIR/reprotest.log"; return 1; }
  grep -E 'Reproduction successful|vary' "$BATS_TEST_TMPDIR/reprotest.log" | head -n 20
}
