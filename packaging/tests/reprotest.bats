#!/usr/bin/env bats
# The reproducible-builds project's reprotest builds the packages twice, the
# second time with the builder's conditions varied, and compares them: they
# must not differ. Every variation runs but user_group, which needs sudo to
# another account (reprotest's `sudo -h` is refused by sudo 1.9.13).

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

@test "reprotest finds no difference in any package under varied conditions" {
  src=$BATS_TEST_TMPDIR/src
  copy_project "$src"
  configure="cmake -G Ninja -D CMAKE_CXX_COMPILER=$HELLO_CXX -S ."
  pack="cpack -B ../../dist >/dev/null"
  build="$configure -B b/static >/dev/null && cmake --build b/static >/dev/null &&
    (cd b/static && $pack -G TGZ && $pack --config CPackSourceConfig.cmake) &&
    $configure -B b/dynamic -D HELLO_STATIC=OFF >/dev/null && cmake --build b/dynamic >/dev/null &&
    (cd b/dynamic && $pack -G 'DEB;RPM')"
  reprotest --vary=-user_group --store-dir "$BATS_TEST_TMPDIR/results" -c "$build" "$src" \
    'dist/*.tar.gz dist/*.deb dist/*.rpm' >"$BATS_TEST_TMPDIR/reprotest.log" 2>&1 ||
    { tail -n 60 "$BATS_TEST_TMPDIR/reprotest.log"; return 1; }
  grep -E 'Reproduction successful|vary' "$BATS_TEST_TMPDIR/reprotest.log" | head -n 20
}
