#!/usr/bin/env bats
# Where CPack would make a wrong package and report success, packaging fails
# instead, saying why.

bats_require_minimum_version 1.5.0
# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

# Runs cpack in this build with the arguments given; $output and $status tell.
pack() { cd "$HELLO_BUILD_DIR" && run "$CPACK_COMMAND" "$@"; }

@test "an output folder with '[' in its path, which CPack would pack nothing under" {
  pack -G "${HELLO_GENERATORS%%,*}" -B "$BATS_TEST_TMPDIR/out[1]"
  [ "$status" -ne 0 ] && grep -q "CPack cannot package under a path with '\[' in it" <<<"$output" ||
    { echo "$output"; return 1; }
}

@test "a .deb without dpkg-shlibdeps, which would declare no dependency" {
  [[ ,$HELLO_GENERATORS, == *,DEB,* ]] || skip "this build makes no .deb"
  pack -G DEB -D "CMAKE_IGNORE_PATH=${PATH//:/;};/usr/bin;/bin" -B "$BATS_TEST_TMPDIR/out"
  [ "$status" -ne 0 ] && grep -q 'apt-get install dpkg-dev' <<<"$output" || { echo "$output"; return 1; }
  [ -z "$(find "$BATS_TEST_TMPDIR/out" -name '*.deb')" ]
}

@test "an .rpm under a path with a space, which rpmbuild stops at" {
  [[ ,$HELLO_GENERATORS, == *,RPM,* ]] || skip "this build makes no .rpm"
  pack -G RPM -B "$BATS_TEST_TMPDIR/with space"
  [ "$status" -ne 0 ] && grep -q 'rpmbuild cannot work under' <<<"$output" || { echo "$output"; return 1; }
}
