#!/usr/bin/env bats
# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The source package is git's archive of the commit: exactly the files git
# tracks, whatever else the source folder holds; a folder that is not a git
# checkout gives none, and says why.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

# Copies the project's files into the new folder $1 and commits them there.
committed_copy() {
  copy_project "$1"
  git -C "$1" init -q && git -C "$1" add . &&
    git -C "$1" -c user.name=check -c user.email=check@localhost commit -qm files
}

# The files of source package $1, relative to its top folder, sorted.
packed_files() { tar -tzf "$1" | grep -v '/$' | cut -d/ -f2- | sort; }

@test "this build's source package is the committed files, under NAME-VERSION/" {
  [ "$(git -C "$HELLO_SOURCE_DIR" rev-parse --show-toplevel 2>/dev/null)" = "$(realpath "$HELLO_SOURCE_DIR")" ] ||
    skip "the source folder is not a git checkout, so this build makes no source package"
  package=$(package_file "/$HELLO_PACKAGE_NAME-$HELLO_VERSION.tar.gz")
  diff <(packed_files "$package") <(git -C "$HELLO_SOURCE_DIR" -c core.quotePath=off ls-tree -r --name-only HEAD | sort)
  [ "$(tar -tzf "$package" | cut -d/ -f1 | sort -u)" = "$HELLO_PACKAGE_NAME-$HELLO_VERSION" ]
}

@test "stray files, other build folders and an in-source build stay out" {
  src=$BATS_TEST_TMPDIR/src
  committed_copy "$src"
  mkdir -p "$src/build-dynamic/CMakeFiles" "$src/other"
  echo 'SECRET=1' >"$src/.env"
  touch "$src/src/main.cpp~" "$src/build-dynamic/CMakeFiles/x.o" "$src/other/notes.txt"
  configure "$src" -S "$src" -D CPACK_PACKAGE_DIRECTORY="$BATS_TEST_TMPDIR/out"
  cmake --build "$src" --target package_source >/dev/null
  diff <(packed_files "$BATS_TEST_TMPDIR/out"/*.tar.gz) <(git -C "$src" ls-files | sort)
}

@test "outside a git checkout, package_source fails saying why, and the build works" {
  src=$BATS_TEST_TMPDIR/src
  copy_project "$src"
  configure "$src/b" -S "$src"
  cmake --build "$src/b" >/dev/null
  run cmake --build "$src/b" --target package_source
  [ "$status" -ne 0 ] && grep -q 'is not one' <<<"$output" || { echo "$output"; return 1; }
}

@test "unpacked, the source package builds and passes the program, binary and lint checks" {
  committed_copy "$BATS_TEST_TMPDIR/src"
  configure "$BATS_TEST_TMPDIR/b" -S "$BATS_TEST_TMPDIR/src" -D CPACK_PACKAGE_DIRECTORY="$BATS_TEST_TMPDIR"
  cmake --build "$BATS_TEST_TMPDIR/b" --target package_source >/dev/null
  tar -xzf "$BATS_TEST_TMPDIR/$HELLO_PACKAGE_NAME-$HELLO_VERSION.tar.gz" -C "$BATS_TEST_TMPDIR"
  cd "$BATS_TEST_TMPDIR/$HELLO_PACKAGE_NAME-$HELLO_VERSION"
  { cmake --preset dev -D "HELLO_NODE_MODULES=$HELLO_NODE_MODULES" && cmake --build --preset dev &&
    ctest --preset dev -L '^(program|binary|lint)$'; } >"$BATS_TEST_TMPDIR/log" 2>&1 ||
    { tail -n 40 "$BATS_TEST_TMPDIR/log"; return 1; }
}
