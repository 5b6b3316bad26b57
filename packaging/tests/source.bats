#!/usr/bin/env bats
# The source package is exactly the project's files, whatever else the source
# folder holds, and never an empty archive.

# shellcheck source=helper.bash
source "$BATS_TEST_DIRNAME/helper.bash"

# The files of source package $1, relative to its top folder, sorted.
packed_files() { tar -tzf "$1" | grep -v '/$' | cut -d/ -f2- | sort; }

# The project's files of source folder $1 and MANIFEST, sorted: what git
# tracks there (less what the work tree deleted), or else what its MANIFEST lists.
project_files() {
  if [ "$(git -C "$1" rev-parse --show-toplevel 2>/dev/null)" = "$(realpath "$1")" ]; then
    comm -23 <(git -C "$1" -c core.quotePath=off ls-files | sort) \
      <(git -C "$1" -c core.quotePath=off ls-files --deleted | sort) | { cat; echo MANIFEST; } | sort -u
  else
    sort "$1/MANIFEST"
  fi
}

@test "this build's source package is the project's files and its MANIFEST" {
  diff <(packed_files "$(package_file "/$HELLO_SOURCE_ARCHIVE.tar.gz")") <(project_files "$HELLO_SOURCE_DIR")
}

@test "stray files, other build folders and an in-source build stay out" {
  for kind in git manifest; do
    src=$BATS_TEST_TMPDIR/$kind
    copy_project "$src"
    if [ $kind = git ]; then
      rm "$src/MANIFEST" && git -C "$src" init -q && git -C "$src" add .
    fi
    expected=$(project_files "$src")
    mkdir -p "$src/build-dynamic/CMakeFiles" "$src/other"
    echo 'SECRET=1' >"$src/.env"
    touch "$src/src/main.cpp~" "$src/build-dynamic/CMakeFiles/x.o" "$src/other/notes.txt"
    echo 'gitdir: /elsewhere' >"$src/other/.git"
    configure_copy "$src" "$src"
    (cd "$src" && "$CPACK_COMMAND" --config CPackSourceConfig.cmake -B "$BATS_TEST_TMPDIR/out-$kind" >/dev/null)
    diff <(packed_files "$BATS_TEST_TMPDIR/out-$kind"/*.tar.gz) <(echo "$expected") || { echo "from $kind"; return 1; }
  done
}
