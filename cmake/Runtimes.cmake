# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The runtime libraries of others that a static hello carries, for its notices, licence texts and SBOMs: each named
# by the Debian source of the library file the compiler links where dpkg knows it, else as its headers say.

# Each runtime: TITLE|LICENCE (SPDX)|LIBRARY linked|DEBIAN SOURCE (regex)|UPSTREAM SOURCE (@V@: version)
set(HELLO_RUNTIME_glibc "the GNU C Library|LGPL-2.1-or-later|libc.a|glibc|\
https://ftp.gnu.org/gnu/glibc/glibc-@V@.tar.xz")
set(HELLO_RUNTIME_libstdc++ "the GNU C++ Library and GCC's low-level runtime (libgcc)|\
GPL-3.0-or-later WITH GCC-exception-3.1|libstdc++.a|gcc-*[0-9]*|https://ftp.gnu.org/gnu/gcc/")
set(HELLO_RUNTIME_libc++ "LLVM's C++ library, with its ABI and builtins libraries|\
Apache-2.0 WITH LLVM-exception|libc++.a|llvm-toolchain-*[0-9]*|https://github.com/llvm/llvm-project/releases")
set(HELLO_RUNTIME_mingw-w64 "the MinGW-w64 runtime (mingw-w64-crt)|ZPL-2.1|libmingw32.a|mingw-w64|\
https://sourceforge.net/projects/mingw-w64/files/mingw-w64/mingw-w64-release/")
set(HELLO_RUNTIME_winpthreads "MinGW-w64's POSIX threads library|MIT AND BSD-3-Clause|libwinpthread.a|mingw-w64|\
https://sourceforge.net/projects/mingw-w64/files/mingw-w64/mingw-w64-release/")
set(HELLO_RUNTIME_wasi-libc "the C library of the WebAssembly System Interface|\
CC0-1.0 AND MIT AND BSD-2-Clause AND BSD-3-Clause AND ISC AND SunPro|libc.a|wasi-libc|\
https://github.com/WebAssembly/wasi-libc")
# Debian's names of licences: in common-licenses, or "License: NAME" (or a title) in a copyright file.
set(HELLO_DEBIAN_LICENCE_NAMES LGPL-2.1-or-later=LGPL-2.1 GPL-3.0-or-later=GPL-3 MIT=MIT|expat
  BSD-2-Clause=BSD-2-clause BSD-3-Clause=BSD-3-clause SunPro=permissive
  LLVM-exception=APACHE-2-LLVM-EXCEPTIONS "GCC-exception-3.1=GCC RUNTIME LIBRARY EXCEPTION")

# Sets OUT to this toolchain's runtimes, NAME=VERSION as runtimes/versions.cpp says or hello_debian_source's.
function(hello_find_runtimes out)
  if(NOT DEFINED HELLO_RUNTIME_VERSIONS)
    set(CMAKE_TRY_COMPILE_TARGET_TYPE EXECUTABLE)
    set(program ${CMAKE_BINARY_DIR}/CMakeFiles/runtime-versions${CMAKE_EXECUTABLE_SUFFIX})
    try_compile(compiled SOURCES ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/runtimes/versions.cpp
      CXX_STANDARD 17 NO_CACHE COPY_FILE ${program} OUTPUT_VARIABLE log)
    if(NOT compiled)
      message(FATAL_ERROR "hello: could not compile the probe of the runtime libraries' versions:\n${log}")
    endif()
    file(STRINGS ${program} found REGEX "HELLO_RUNTIME\\[[^]]*\\]")
    list(TRANSFORM found REPLACE ".*HELLO_RUNTIME\\[([^]]*)\\].*" "\\1")
    list(FILTER found EXCLUDE REGEX "=.*[A-Z_]")
    set(HELLO_RUNTIME_VERSIONS "${found}" CACHE INTERNAL "The runtimes the toolchain links, NAME=VERSION")
  endif()
  set(runtimes "")
  foreach(runtime IN LISTS HELLO_RUNTIME_VERSIONS)
    hello_describe_runtime("${runtime}")
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} ${CMAKE_CXX_COMPILE_OPTIONS_TARGET}${CMAKE_CXX_COMPILER_TARGET}
      -print-file-name=${LIBRARY} OUTPUT_VARIABLE library OUTPUT_STRIP_TRAILING_WHITESPACE)
    hello_debian_source(${NAME} "${library}" "${DEBIAN_SOURCE}" runtime)
    list(APPEND runtimes "${runtime}")
  endforeach()
  set(${out} "${runtimes}" PARENT_SCOPE)
endfunction()

# Sets OUT, where dpkg knows FILE (or the path it resolves to), to NAME=VERSION=SOURCE=PACKAGE: PACKAGE installed it,
# from the source matching regex SOURCE: its own, or one a cross or MinGW package names as Built-Using.
function(hello_debian_source name file source out)
  if(IS_ABSOLUTE "${file}")
    file(REAL_PATH "${file}" real)
    execute_process(COMMAND dpkg-query -S "${file}" "${real}" OUTPUT_VARIABLE package ERROR_QUIET)
    string(REGEX REPLACE "diversion by [^\n]*\n" "" package "${package}") # Debian 13's merged /usr
    string(REGEX MATCH "^[^:,\n]+" package "${package}")
    execute_process(COMMAND dpkg-query -W -f "\${source:Package} (= \${source:Version}), \${Built-Using}"
      "${package}" OUTPUT_VARIABLE sources ERROR_QUIET)
    if(package AND sources MATCHES "(^|, )(${source}) \\(= ([^)]*)\\)")
      set(${out} "${name}=${CMAKE_MATCH_3}=${CMAKE_MATCH_2}=${package}" PARENT_SCOPE)
    endif()
  endif()
endfunction()

# Sets, for a runtime's or a shared library's record, NAME VERSION SOURCE_PACKAGE PACKAGE SOURCE, its runtime's facts.
macro(hello_describe_runtime runtime)
  string(REPLACE "=" ";" runtime_fields "${runtime}===")
  list(POP_FRONT runtime_fields NAME VERSION SOURCE_PACKAGE PACKAGE)
  foreach(runtime_name IN ITEMS glibc libstdc++ libc++ ${NAME})
    string(REPLACE "|" ";" runtime_facts "${HELLO_RUNTIME_${runtime_name}}|||||")
    list(POP_FRONT runtime_facts TITLE LICENCE LIBRARY DEBIAN_SOURCE SOURCE)
    if(runtime_name STREQUAL NAME OR SOURCE_PACKAGE MATCHES "^(${DEBIAN_SOURCE})$")
      break()
    endif()
  endforeach()
  string(REPLACE "@V@" "${VERSION}" SOURCE "${SOURCE}")
  if(SOURCE_PACKAGE)
    set(SOURCE "the source package ${SOURCE_PACKAGE} ${VERSION}: apt-get source ${SOURCE_PACKAGE}=${VERSION},
           or https://snapshot.debian.org/package/${SOURCE_PACKAGE}/${VERSION}/")
  endif()
endmacro()

# Installs into DESTINATION hello's LICENSE and, for a static program, THIRD-PARTY-NOTICES, the runtimes' licences
# in LICENSES/ (as REUSE) and in copyright/ their Debian copyright files, which give all their notices.
function(hello_install_licences destination)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${destination} COMPONENT ${PROJECT_NAME})
  get_target_property(links_statically hello-cxx HELLO_LINKS_STATICALLY)
  if(NOT links_statically)
    return()
  endif()
  set(folder ${PROJECT_BINARY_DIR}/licences)
  file(REMOVE_RECURSE ${folder})
  hello_find_runtimes(runtimes)
  set(text "The program hello, of ${PROJECT_NAME} ${PROJECT_VERSION}, is under the MIT licence: see LICENSE.
Its complete corresponding source is ${PROJECT_NAME}-${PROJECT_VERSION}.tar.gz, made beside this package by
the package_source target. To relink hello with other versions of the libraries below, build that source
with their toolchain or sysroot (CMAKE_SYSROOT), as its README says.

It is linked statically: it carries these libraries of others, each under its own licence (in LICENSES/):\n")
  foreach(runtime IN LISTS runtimes)
    hello_describe_runtime("${runtime}")
    set(copyright "")
    if(EXISTS /usr/share/doc/${PACKAGE}/copyright)
      file(READ /usr/share/doc/${PACKAGE}/copyright copyright)
      file(WRITE ${folder}/copyright/${PACKAGE} "${copyright}")
      string(APPEND SOURCE "\n  Notices: copyright/${PACKAGE}, the copyright file of Debian's ${PACKAGE}")
    endif()
    string(REGEX MATCHALL "[^ ()]+" ids "${LICENCE}")
    list(REMOVE_ITEM ids AND OR WITH)
    foreach(id IN LISTS ids)
      string(REGEX MATCH "(^|;)${id}=([^;]*)" name "${HELLO_DEBIAN_LICENCE_NAMES};${id}=${id}")
      set(name "${CMAKE_MATCH_2}")
      set(licence "")
      if(EXISTS /usr/share/common-licenses/${name})
        file(READ /usr/share/common-licenses/${name} licence)
      elseif(copyright MATCHES "\nLicense: (${name})\n(( [^\n]*\n)+)")
        # Each line indented by a space, " ." an empty one: twice for a run of them.
        string(REPLACE "\n .\n" "\n\n" licence "\n${CMAKE_MATCH_2}")
        string(REPLACE "\n .\n" "\n\n" licence "${licence}")
        string(REPLACE "\n " "\n" licence "${licence}")
        string(SUBSTRING "${licence}" 1 -1 licence)
      elseif(copyright MATCHES "\n(${name}\n.*of the license of GCC\\.\n)")
        set(licence "${CMAKE_MATCH_1}")
      endif()
      if(licence)
        file(WRITE ${folder}/LICENSES/${id}.txt "${licence}")
      else()
        string(APPEND LICENCE "\n           (${id}: not on the machine that built it; https://spdx.org/licenses/${id})")
      endif()
    endforeach()
    string(APPEND text "\n${NAME} ${VERSION}: ${TITLE}\n  Licence: ${LICENCE}\n  Source:  ${SOURCE}\n")
  endforeach()
  if(WIN32)
    string(REPLACE "\n" "\r\n" text "${text}")
  endif()
  file(WRITE ${folder}/THIRD-PARTY-NOTICES "${text}")
  # File by file, sorted: a folder's order would be the file system's.
  file(GLOB_RECURSE files RELATIVE ${folder} ${folder}/*)
  foreach(file IN LISTS files)
    cmake_path(GET file PARENT_PATH subfolder)
    cmake_path(APPEND destination ${subfolder} OUTPUT_VARIABLE to)
    cmake_path(NORMAL_PATH to) # "." and "./LICENSES" as the uninstall's record has them
    install(FILES ${folder}/${file} DESTINATION ${to} COMPONENT ${PROJECT_NAME})
  endforeach()
endfunction()
