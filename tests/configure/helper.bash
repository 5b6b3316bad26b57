# Shared set-up of the configure checks. CTest sets:
#   HELLO_SOURCE_DIR   the project
#   HELLO_CXX, HELLO_GENERATOR, HELLO_MAKE_PROGRAM   the toolchain to configure with
#   CMAKE_COMMAND, CTEST_COMMAND

cmake() { command "${CMAKE_COMMAND:-cmake}" "$@"; }
ctest() { command "${CTEST_COMMAND:-ctest}" "$@"; }

# Configures the project (or the project in folder $1 when it is given as
# -S FOLDER) into folder $1 with this build's toolchain; the remaining
# arguments go to cmake. The log is in $1.log, and shown when it fails.
configure() {
  local build=$1
  shift
  cmake -S "$HELLO_SOURCE_DIR" -B "$build" -G "$HELLO_GENERATOR" \
    -D CMAKE_MAKE_PROGRAM="$HELLO_MAKE_PROGRAM" -D CMAKE_CXX_COMPILER="${compiler:-$HELLO_CXX}" \
    "$@" >"$build.log" 2>&1 || { cat "$build.log"; return 1; }
}

# Builds folder $1 and runs its suite, showing the log of whichever fails.
build_and_test() {
  cmake --build "$1" >"$1.build.log" 2>&1 || { cat "$1.build.log"; return 1; }
  ctest --test-dir "$1" --output-on-failure >"$1.test.log" 2>&1 || { cat "$1.test.log"; return 1; }
}

# Copies the project's files into the new folder $1, as a fresh clone has them.
copy_project() {
  cmake -D FROM="$HELLO_SOURCE_DIR" -D TO="$1" -P "$HELLO_SOURCE_DIR/cmake/ProjectFiles.cmake"
}

# Writes compiler $1: this build's compiler, except that it refuses (as a
# linker would) any argument that matches case pattern $2.
write_refusing_compiler() {
  # shellcheck disable=SC2016 # the wrapper's own $arg and $@
  printf '#!/bin/sh\nfor arg; do case $arg in %s) echo "ld: unrecognized option $arg" >&2; exit 1;; esac; done\nexec "%s" "$@"\n' \
    "$2" "$HELLO_CXX" >"$1" && chmod +x "$1"
}

# The ELF program $1 has no dynamic loader and no dynamic section.
is_static() { ! readelf --program-headers --wide "$1" | grep -Eq '^ +(INTERP|DYNAMIC) '; }
