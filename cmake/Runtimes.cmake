# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The runtime libraries of others that the toolchain links into hello, with
# the versions the toolchain itself reports: a static build carries them
# inside the program, so its packages name them in THIRD-PARTY-NOTICES and in
# their SBOMs.

# Sets OUT to this toolchain's runtimes, a list of NAME=VERSION, read from
# runtimes/versions.cpp built (not run) by it. Kept in the cache: a
# build folder has one toolchain.
function(hello_find_runtimes out)
  if(NOT DEFINED HELLO_RUNTIMES)
    set(CMAKE_TRY_COMPILE_TARGET_TYPE EXECUTABLE)
    set(program ${CMAKE_BINARY_DIR}/CMakeFiles/runtime-versions-found${CMAKE_EXECUTABLE_SUFFIX})
    try_compile(compiled ${CMAKE_BINARY_DIR}/CMakeFiles/runtime-versions
      SOURCES ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/runtimes/versions.cpp
      CXX_STANDARD 17 COPY_FILE ${program} OUTPUT_VARIABLE log)
    if(NOT compiled)
      message(FATAL_ERROR "hello: could not compile the probe of the runtime libraries' versions:\n${log}")
    endif()
    file(STRINGS ${program} found REGEX "HELLO_RUNTIME\\[[^]]*\\]")
    string(REGEX MATCHALL "HELLO_RUNTIME\\[[^]]*\\]" found "${found}")
    list(TRANSFORM found REPLACE "HELLO_RUNTIME\\[(.*)\\]" "\\1")
    set(HELLO_RUNTIMES "${found}" CACHE INTERNAL "The runtime libraries the toolchain links, NAME=VERSION")
  endif()
  set(${out} "${HELLO_RUNTIMES}" PARENT_SCOPE)
endfunction()

# Sets, for runtime NAME at VERSION, the variables TITLE, VERSION (as people
# write it), LICENCE (an SPDX expression) and SOURCE (where its source is).
macro(hello_describe_runtime name version)
  set(VERSION "${version}")
  if("${name}" STREQUAL "glibc")
    set(TITLE "the GNU C Library")
    set(LICENCE "LGPL-2.1-or-later")
    set(SOURCE "https://ftp.gnu.org/gnu/glibc/glibc-${version}.tar.xz")
  elseif("${name}" STREQUAL "libstdc++")
    set(TITLE "the GNU C++ Library and GCC's low-level runtime (libgcc), from GCC")
    set(LICENCE "GPL-3.0-or-later WITH GCC-exception-3.1")
    if(VERSION MATCHES "\\.")
      set(SOURCE "https://ftp.gnu.org/gnu/gcc/gcc-${version}/")
    else()
      set(SOURCE "https://ftp.gnu.org/gnu/gcc/")
    endif()
  elseif("${name}" STREQUAL "libc++")
    # _LIBCPP_VERSION is MMmpp since LLVM 16, Mmmm before.
    if(VERSION GREATER_EQUAL 100000)
      math(EXPR major "${version} / 10000")
      math(EXPR minor "${version} / 100 % 100")
      math(EXPR patch "${version} % 100")
      set(VERSION "${major}.${minor}.${patch}")
    else()
      math(EXPR major "${version} / 1000")
      set(VERSION "${major}")
    endif()
    set(TITLE "LLVM's C++ library")
    set(LICENCE "Apache-2.0 WITH LLVM-exception")
    set(SOURCE "https://github.com/llvm/llvm-project/releases")
  elseif("${name}" STREQUAL "mingw-w64")
    set(TITLE "the MinGW-w64 runtime (mingw-w64-crt)")
    set(LICENCE "ZPL-2.1 AND LicenseRef-public-domain")
    set(SOURCE "https://sourceforge.net/projects/mingw-w64/files/mingw-w64/mingw-w64-release/mingw-w64-v${version}.tar.bz2")
  elseif("${name}" STREQUAL "winpthreads")
    set(TITLE "MinGW-w64's POSIX threads library")
    set(LICENCE "MIT AND BSD-3-Clause")
    set(SOURCE "https://sourceforge.net/projects/mingw-w64/files/mingw-w64/mingw-w64-release/")
  elseif("${name}" STREQUAL "wasi-libc")
    set(TITLE "the C library of the WebAssembly System Interface")
    set(LICENCE "Apache-2.0 WITH LLVM-exception OR Apache-2.0 OR MIT")
    set(SOURCE "https://github.com/WebAssembly/wasi-libc")
  else()
    message(FATAL_ERROR "hello: no description of the runtime ${name}")
  endif()
endmacro()

# Writes FILE, the notice of the runtimes a static build carries: each one's
# name, version, licence and source.
function(hello_write_notices file)
  hello_find_runtimes(runtimes)
  set(text "The program hello, of ${PROJECT_NAME} ${PROJECT_VERSION}, is under the MIT licence: see
LICENSE. This build of it is linked statically, so that it carries inside it
these libraries of others, each under its own licence:\n")
  foreach(runtime IN LISTS runtimes)
    string(REPLACE "=" ";" runtime "${runtime}")
    list(GET runtime 0 name)
    list(GET runtime 1 version)
    hello_describe_runtime("${name}" "${version}")
    if(VERSION STREQUAL "")
      set(VERSION "(version not recorded by the toolchain)")
    endif()
    string(APPEND text "\n${name} ${VERSION}: ${TITLE}\n  Licence: ${LICENCE}\n  Source:  ${SOURCE}\n")
  endforeach()
  if("${runtimes}" MATCHES "glibc=")
    string(APPEND text "\nThe GNU C Library's licence lets you relink hello with another version
of it: build hello from its source, as its README says, against that one.\n")
  endif()
  set(newline LF)
  if(WIN32)
    set(newline CRLF)
  endif()
  file(CONFIGURE OUTPUT ${file} CONTENT "${text}" NEWLINE_STYLE ${newline})
endfunction()
