# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The runtime libraries of others that the toolchain links into hello: a static program carries them,
# so its packages carry their notices, licence texts and SBOMs. Each is named by the Debian source
# package of the library file the compiler links where dpkg knows it, by the release its headers report elsewhere.

# Each runtime: TITLE|LICENCE (SPDX)|LIBRARY linked|DEBIAN SOURCE (regex)|UPSTREAM SOURCE (@V@: version)
set(HELLO_RUNTIME_glibc "the GNU C Library|LGPL-2.1-or-later|libc.a|glibc|https://ftp.gnu.org/gnu/glibc/glibc-@V@.tar.xz")
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
# Licences whose text Debian keeps under another name: in /usr/share/common-licenses,
# or as a paragraph "License: NAME" of a runtime's copyright file (GCC's exception: its title).
set(HELLO_DEBIAN_LICENCE_NAMES LGPL-2.1-or-later=LGPL-2.1 GPL-3.0-or-later=GPL-3 MIT=MIT|expat
  BSD-2-Clause=BSD-2-clause BSD-3-Clause=BSD-3-clause SunPro=permissive
  LLVM-exception=APACHE-2-LLVM-EXCEPTIONS "GCC-exception-3.1=GCC RUNTIME LIBRARY EXCEPTION")

# Sets OUT to this toolchain's runtimes, NAME=VERSION[=SOURCE=PACKAGE] (hello_debian_source's where dpkg
# knows the library); which runtimes, and their versions elsewhere, runtimes/versions.cpp says.
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

# Sets OUT to NAME=VERSION=SOURCE=PACKAGE where dpkg knows FILE (by its path or the one it resolves to):
# PACKAGE installed it, built from the source matching regex SOURCE: its own, or one that a cross or MinGW
# package, rebuilt from others' sources, names as Built-Using. Else leaves OUT as it was.
function(hello_debian_source name file source out)
  if(IS_ABSOLUTE "${file}")
    file(REAL_PATH "${file}" real)
    execute_process(COMMAND dpkg-query -S "${file}" "${real}" OUTPUT_VARIABLE package ERROR_QUIET)
    string(REGEX MATCH "^[^:,\n]+" package "${package}")
    execute_process(COMMAND dpkg-query -W -f "\${source:Package} (= \${source:Version}), \${Built-Using}"
      "${package}" OUTPUT_VARIABLE sources ERROR_QUIET)
    if(package AND sources MATCHES "(^|, )(${source}) \\(= ([^)]*)\\)")
      set(${out} "${name}=${CMAKE_MATCH_3}=${CMAKE_MATCH_2}=${package}" PARENT_SCOPE)
    endif()
  endif()
endfunction()

# Sets, for RUNTIME (a record of hello_find_runtimes, or of a shared library whose Debian source may be a
# runtime's), NAME, VERSION, SOURCE_PACKAGE and PACKAGE (Debian's), SOURCE (where its source is had) and its
# runtime's TITLE, LICENCE (an SPDX expression), LIBRARY and DEBIAN_SOURCE.
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

# Installs into DESTINATION hello's LICENSE and, for a static program, the runtimes' notice
# THIRD-PARTY-NOTICES, their licences' texts in LICENSES/ as REUSE lays them out, and in copyright/ their
# Debian packages' copyright files, which give all their notices. A text this machine lacks, the notice names.
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
Its complete corresponding source is ${PROJECT_NAME}-${PROJECT_VERSION}.tar.gz, the source package
made beside this package (by the package_source target of its build). To relink
hello with other versions of the libraries below, configure that source with
their toolchain or sysroot (CMAKE_SYSROOT) and build it, as its README says.

This build of it is linked statically, so that it carries inside it these
libraries of others, each under its own licence, whose texts are in LICENSES/:\n")
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
  # File by file, in the glob's sorted order: a folder's would be the file system's.
  file(GLOB_RECURSE files RELATIVE ${folder} ${folder}/*)
  foreach(file IN LISTS files)
    cmake_path(GET file PARENT_PATH subfolder)
    install(FILES ${folder}/${file} DESTINATION ${destination}/${subfolder} COMPONENT ${PROJECT_NAME})
  endforeach()
endfunction()
