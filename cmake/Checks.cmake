# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
include_guard(GLOBAL)

# Where scripts do not run by their #! line (Windows), give bash and bats'
# path, as in -D "HELLO_BATS=C:/Program Files/Git/bin/bash.exe;C:/npm/bats/bin/bats".
set(HELLO_BATS bats CACHE STRING "The command that runs bats")
# CHECK=REGEX runs only those cases of bats check CHECK whose names match
# REGEX, as bats --filter does: how a mutant's copy runs the cases that judge it.
set(HELLO_CASES "" CACHE STRING "CHECK=REGEX: the cases of one bats check to run, the others left out")

# Every check is a CTest test. Each runs in a folder of its own under the
# build folder, which also holds its TMPDIR and HOME, so that nothing it or
# the tools it calls write (lintian's and rpmlint's caches, wine's menus)
# lands outside it.

# Registers check NAME with COMMAND (or BATS FILE), LABELS, ENVIRONMENT (NAME=VALUE items),
# FIXTURES_REQUIRED and TIMEOUT (seconds, default 120). TOOLS lists
# PROGRAM=DEBIAN_PACKAGE pairs the check needs: where one is missing, the
# check is skipped, saying what to install. Without bats nothing can be
# checked at all, so that one fails instead of passing on nothing.
# SKIP_BECAUSE REASON registers the check as skipped for that reason.
function(hello_add_check name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "RUN_SERIAL" "TIMEOUT;BATS;SKIP_BECAUSE"
    "COMMAND;LABELS;ENVIRONMENT;TOOLS;FIXTURES_REQUIRED")
  set(missing "")
  if(arg_BATS)
    set(filter "")
    if(HELLO_CASES MATCHES "^([^=]*)=(.*)$" AND CMAKE_MATCH_1 STREQUAL name)
      set(filter --filter "${CMAKE_MATCH_2}")
    endif()
    set(arg_COMMAND ${HELLO_BATS} ${filter} ${arg_BATS})
    list(GET HELLO_BATS 0 bats)
    hello_missing_tools(missing ${bats}=bats)
  endif()
  set(verdict FAIL_REGULAR_EXPRESSION)
  if(NOT missing)
    hello_missing_tools(missing ${arg_TOOLS})
    set(verdict SKIP_REGULAR_EXPRESSION)
  endif()
  if(missing)
    set(arg_COMMAND ${CMAKE_COMMAND} -E echo "${name} needs what is not installed here: ${missing}")
  elseif(arg_SKIP_BECAUSE)
    set(arg_COMMAND ${CMAKE_COMMAND} -E echo "${name} skipped: ${arg_SKIP_BECAUSE}")
    set(verdict SKIP_REGULAR_EXPRESSION)
  endif()
  set(scratch ${CMAKE_CURRENT_BINARY_DIR}/${name})
  file(MAKE_DIRECTORY ${scratch}/tmp ${scratch}/home)
  if(NOT DEFINED arg_TIMEOUT)
    set(arg_TIMEOUT 120)
  endif()
  add_test(NAME ${name} COMMAND ${arg_COMMAND} WORKING_DIRECTORY ${scratch})
  set_tests_properties(${name} PROPERTIES
    LABELS "${arg_LABELS}" TIMEOUT ${arg_TIMEOUT} RUN_SERIAL ${arg_RUN_SERIAL}
    ENVIRONMENT "TMPDIR=${scratch}/tmp;HOME=${scratch}/home;${arg_ENVIRONMENT}"
    ${verdict} "needs what is not installed here|^${name} skipped: ")
  if(arg_FIXTURES_REQUIRED)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED "${arg_FIXTURES_REQUIRED}")
  endif()
endfunction()

# Sets RESULT to the PROGRAM=DEBIAN_PACKAGE pairs given whose program is not
# found, as "PROGRAM (Debian: apt-get install PACKAGE)" joined by commas.
function(hello_missing_tools result)
  set(missing "")
  foreach(tool IN LISTS ARGN)
    string(REPLACE "=" ";" tool "${tool}")
    list(GET tool 0 program)
    list(GET tool 1 package)
    string(MAKE_C_IDENTIFIER "HELLO_TOOL_${program}" variable)
    find_program(${variable} ${program})
    if(NOT ${variable})
      list(APPEND missing "${program} (Debian: apt-get install ${package})")
    endif()
  endforeach()
  list(JOIN missing ", " missing)
  set(${result} "${missing}" PARENT_SCOPE)
endfunction()

# Sets RESULT to the command that runs the program built here, as an
# environment variable's value (a CMake list with its semicolons escaped):
# empty for a native build, else the cross-compiling emulator. Wine then keeps
# its state in HELLO_WINEPREFIX (in this build folder unless told), adds
# nothing to the user's home and prints no diagnostics of its own; other
# emulators ignore its variables.
function(hello_emulator_words result)
  set(words "")
  if(CMAKE_CROSSCOMPILING_EMULATOR)
    set(HELLO_WINEPREFIX ${PROJECT_BINARY_DIR}/wine CACHE PATH
      "Where wine keeps the Windows system it runs the program in; made on first use")
    # Wine 10 aborts (free(): invalid pointer) whenever TMPDIR is set and
    # there is no /run/user/UID, as for root without a login session: its
    # server's folder goes where wine puts it by itself (/tmp/.wine-UID).
    set(words env -u TMPDIR "WINEPREFIX=${HELLO_WINEPREFIX}" WINEDEBUG=-all
      WINEDLLOVERRIDES=winemenubuilder.exe=d ${CMAKE_CROSSCOMPILING_EMULATOR})
  endif()
  string(REPLACE ";" "\\;" words "${words}")
  set(${result} "${words}" PARENT_SCOPE)
endfunction()
