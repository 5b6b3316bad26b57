# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The runtime libraries of others that the toolchain links into hello: a static
# program carries them, so its packages carry their notices, licence texts and
# SBOMs. Each is named by the Debian source package of the library file the
# compiler links where dpkg knows it, by the release its headers report elsewhere.

# NAME|TITLE|LICENCE (SPDX)|LIBRARY linked|DEBIAN SOURCE (regex)|UPSTREAM SOURCE (@V@: version)
set(HELLO_RUNTIME_FACTS
  "glibc|the GNU C Library|LGPL-2.1-or-later|libc.a|glibc|https://ftp.gnu.org/gnu/glibc/glibc-@V@.tar.xz"
  "libstdc++|the GNU C++ Library and GCC's low-level runtime (libgcc)|GPL-3.0-or-later WITH GCC-exception-3.1|libstdc++.a|gcc-*[0-9]*|https://ftp.gnu.org/gnu/gcc/"
  "libc++|LLVM's C++ library, with its ABI and builtins libraries|Apache-2.0 WITH LLVM-exception|libc++.a|llvm-toolchain-*[0-9]*|https://github.com/llvm/llvm-project/releases"
  "mingw-w64|the MinGW-w64 runtime (mingw-w64-crt)|ZPL-2.1|libmingw32.a|mingw-w64|https://sourceforge.net/projects/mingw-w64/files/mingw-w64/mingw-w64-release/"
  "winpthreads|MinGW-w64's POSIX threads library|MIT AND BSD-3-Clause|libwinpthread.a|mingw-w64|https://sourceforge.net/projects/mingw-w64/files/mingw-w64/mingw-w64-release/"
  "wasi-libc|the C library of the WebAssembly System Interface|CC0-1.0 AND MIT AND BSD-2-Clause AND BSD-3-Clause AND ISC AND SunPro|libc.a|wasi-libc|https://github.com/WebAssembly/wasi-libc")
# Licences whose text Debian keeps under another name: in /usr/share/common-licenses,
# or as a paragraph "License: NAME" of a runtime's copyright file (GCC's exception: its title).
set(HELLO_DEBIAN_LICENCE_NAMES LGPL-2.1-or-later=LGPL-2.1 GPL-3.0-or-later=GPL-3 MIT=MIT|expat
  BSD-2-Clause=BSD-2-clause BSD-3-Clause=BSD-3-clause SunPro=permissive
  LLVM-exception=APACHE-2-LLVM-EXCEPTIONS "GCC-exception-3.1=GCC RUNTIME LIBRARY EXCEPTION")

# Sets OUT to this toolchain's runtimes, records NAME=VERSION=SOURCE=PACKAGE:
# the Debian source (VERSION then its version) and the package that installed
# the library, where dpkg knows them. Which runtimes, and their versions
# elsewhere, runtimes/versions.cpp says, built (not run) once a build folder.
function(hello_find_runtimes out)
  if(NOT DEFINED HELLO_RUNTIME_VERSIONS)
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
    set(HELLO_RUNTIME_VERSIONS "${found}" CACHE INTERNAL "The runtimes the toolchain links, NAME=VERSION")
  endif()
  set(runtimes "")
  foreach(runtime IN LISTS HELLO_RUNTIME_VERSIONS)
    hello_describe_runtime("${runtime}")
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} ${CMAKE_CXX_COMPILE_OPTIONS_TARGET}${CMAKE_CXX_COMPILER_TARGET}
      -print-file-name=${LIBRARY} OUTPUT_VARIABLE library OUTPUT_STRIP_TRAILING_WHITESPACE)
    hello_debian_package("${library}" package)
    # A cross or MinGW package is rebuilt from other sources, which it names as Built-Using.
    execute_process(COMMAND dpkg-query -W -f "\${source:Package} (= \${source:Version}), \${Built-Using}"
      "${package}" OUTPUT_VARIABLE sources ERROR_QUIET)
    if(package AND sources MATCHES "(^|, )(${DEBIAN_SOURCE}) \\(= ([^)]*)\\)")
      set(runtime "${NAME}=${CMAKE_MATCH_3}=${CMAKE_MATCH_2}=${package}")
    endif()
    list(APPEND runtimes "${runtime}")
  endforeach()
  set(${out} "${runtimes}" PARENT_SCOPE)
endfunction()

# Sets OUT to the Debian package that installed FILE, by its path or the one
# it resolves to, as PACKAGE:ARCH; to "" where dpkg knows no such file.
function(hello_debian_package file out)
  set(package "")
  if(IS_ABSOLUTE "${file}")
    file(REAL_PATH "${file}" real)
    execute_process(COMMAND dpkg-query -S "${file}" "${real}" OUTPUT_VARIABLE package ERROR_QUIET)
    string(REGEX MATCH "^[^:,\n]+(:[a-z0-9]+)?" package "${package}")
  endif()
  set(${out} "${package}" PARENT_SCOPE)
endfunction()

# Sets, for RUNTIME (a record of hello_find_runtimes, or of a shared library
# whose Debian source is a runtime's), NAME, VERSION, PACKAGE, PURL, SOURCE
# (where its source is had) and the runtime's TITLE, LICENCE (an SPDX
# expression), LIBRARY and DEBIAN_SOURCE.
macro(hello_describe_runtime runtime)
  string(REGEX MATCH "^([^=]*)=([^=]*)=?([^=]*)=?(.*)$" NAME "${runtime}")
  set(NAME "${CMAKE_MATCH_1}")
  set(VERSION "${CMAKE_MATCH_2}")
  set(runtime_source "${CMAKE_MATCH_3}")
  set(PACKAGE "${CMAKE_MATCH_4}")
  set(runtime_facts ";;;;;")
  foreach(runtime_row IN LISTS HELLO_RUNTIME_FACTS)
    string(REPLACE "|" ";" runtime_row "${runtime_row}")
    list(GET runtime_row 0 runtime_name)
    list(GET runtime_row 4 runtime_regex)
    if(NAME STREQUAL runtime_name)
      set(runtime_facts "${runtime_row}")
      break()
    elseif(runtime_source MATCHES "^(${runtime_regex})$")
      set(runtime_facts "${runtime_row}")
    endif()
  endforeach()
  list(POP_FRONT runtime_facts runtime_name TITLE LICENCE LIBRARY DEBIAN_SOURCE SOURCE)
  string(REPLACE "@V@" "${VERSION}" SOURCE "${SOURCE}")
  set(PURL "pkg:generic/${NAME}@${VERSION}")
  if(runtime_source)
    cmake_host_system_information(RESULT runtime_distro QUERY DISTRIB_ID DISTRIB_VERSION_ID)
    list(GET runtime_distro 0 runtime_vendor)
    list(JOIN runtime_distro "-" runtime_distro)
    set(PURL "pkg:deb/${runtime_vendor}/${runtime_source}@${VERSION}?arch=source&distro=${runtime_distro}")
    set(SOURCE "the source package ${runtime_source} ${VERSION}: apt-get source ${runtime_source}=${VERSION},
           or https://snapshot.debian.org/package/${runtime_source}/${VERSION}/")
  endif()
  string(REGEX REPLACE "@$" "" PURL "${PURL}")
  string(REPLACE "+" "%2B" PURL "${PURL}")
endmacro()

# Installs into DESTINATION hello's LICENSE and, for a static program, the
# notice of the runtimes it carries, THIRD-PARTY-NOTICES, with the texts of
# their licences in LICENSES/ as REUSE lays them out and, in copyright/, the
# copyright files of their Debian packages, which give all their notices. The
# texts are this machine's: one it lacks, the notice names, not a failure.
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
made beside this package (by the package_source target of its build).

This build of it is linked statically, so that it carries inside it these
libraries of others, each under its own licence, whose texts are in LICENSES/:\n")
  foreach(runtime IN LISTS runtimes)
    hello_describe_runtime("${runtime}")
    string(REGEX REPLACE ":.*" "" PACKAGE "${PACKAGE}")
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
        message(WARNING "hello: this machine has not the text of ${id}, the licence of ${NAME}")
        string(APPEND LICENCE "\n           (${id}: not on the machine that built it; https://spdx.org/licenses/${id}.html)")
      endif()
    endforeach()
    string(APPEND text "\n${NAME} ${VERSION}: ${TITLE}\n  Licence: ${LICENCE}\n  Source:  ${SOURCE}\n")
  endforeach()
  if(runtimes MATCHES "glibc=")
    string(APPEND text "\nThe GNU C Library's licence lets you relink hello with another version of
it: configure hello's source with the toolchain or sysroot (CMAKE_SYSROOT) of
that version and build it, as its README says.\n")
  endif()
  set(newline LF)
  if(WIN32)
    set(newline CRLF)
  endif()
  file(CONFIGURE OUTPUT ${folder}/THIRD-PARTY-NOTICES CONTENT "${text}" NEWLINE_STYLE ${newline})
  install(DIRECTORY ${folder}/ DESTINATION ${destination} COMPONENT ${PROJECT_NAME})
endfunction()
