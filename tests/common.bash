# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# What every tree of checks shares: the greeting, the message for a missing
# tool, and the copies and builds of the project that checks make. CTest sets
#   HELLO_SOURCE_DIR   the project
#   HELLO_CXX, HELLO_GENERATOR, HELLO_MAKE_PROGRAM   the toolchain to configure with
#   CMAKE_COMMAND, CTEST_COMMAND

# The greeting's line, without its line end.
# shellcheck disable=SC2034 # for the files that source this one
greeting_line='Hello World!'

# The binutils CMake found for the toolchain, where it found them.
for tool in READELF NM OBJDUMP; do [[ ${!tool:-} != *-NOTFOUND ]] || unset "$tool"; done

cmake() { command "${CMAKE_COMMAND:-cmake}" "$@"; }
ctest() { command "${CTEST_COMMAND:-ctest}" "$@"; }

# Skips the case, saying why and what to install, when program $1 (from
# Debian package $2, or of that name) is missing here.
needs() {
  command -v "$1" >/dev/null || skip "$1 is not installed here (Debian: apt-get install ${2:-$1})"
}

# Copies the project's files into the new folder $1, as a fresh clone has
# them: in a git checkout, the files git tracks, as the work tree has them; in
# an unpacked source package, every file but the build folder.
copy_project() {
  local from=$HELLO_SOURCE_DIR
  mkdir "$1" || return
  if [ "$(git -C "$from" rev-parse --show-toplevel 2>/dev/null)" = "$(realpath "$from")" ]; then
    git -C "$from" ls-files -z | tar -C "$from" --null --ignore-failed-read -T - -cf - 2>/dev/null | tar -xf - -C "$1"
  else
    tar -C "$from" --exclude=./build --exclude=./.git -cf - . | tar -xf - -C "$1"
  fi
}

# Configures the project (or the one in folder FOLDER when the arguments give
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

# The ELF program $1 has neither a dynamic loader nor a dynamic section.
is_static() {
  needs "${READELF:-readelf}" binutils
  local headers
  headers=$("${READELF:-readelf}" --program-headers --wide "$1") || return
  ! grep -Eq '^ +(INTERP|DYNAMIC) ' <<<"$headers"
}
