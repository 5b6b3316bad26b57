# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The packages whose format's own tool makes them whole, outside CPack:
#   HELLO_FORMAT=deb     the .deb of the build in HELLO_BUILD_DIR, by
#                        dpkg-shlibdeps, dpkg-gencontrol and dpkg-deb;
#   HELLO_FORMAT=source  the source package, by git archive of the commit
#                        checked out in HELLO_SOURCE_DIR.
# Into HELLO_OUTPUT_DIR, or the environment's HELLO_PACKAGE_DIRECTORY; the
# last line names the package made.
cmake_minimum_required(VERSION 3.25)
if(DEFINED ENV{HELLO_PACKAGE_DIRECTORY})
  set(HELLO_OUTPUT_DIR "$ENV{HELLO_PACKAGE_DIRECTORY}")
endif()
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${HELLO_RELEASE_EPOCH})
endif()
file(MAKE_DIRECTORY "${HELLO_OUTPUT_DIR}")

if(HELLO_FORMAT STREQUAL "source")
  # Only git tells the project's files from whatever else the folder holds.
  find_program(git git)
  set(toplevel "")
  if(git)
    execute_process(COMMAND "${git}" -C "${HELLO_SOURCE_DIR}" rev-parse --show-toplevel
      OUTPUT_VARIABLE toplevel OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  file(REAL_PATH "${HELLO_SOURCE_DIR}" source_dir)
  if(NOT toplevel STREQUAL source_dir)
    message(FATAL_ERROR "hello: the source package is made by git archive from a git checkout, "
      "and ${HELLO_SOURCE_DIR} is not one (or git is not installed)")
  endif()
  set(package "${HELLO_OUTPUT_DIR}/${HELLO_PACKAGE_NAME}-${HELLO_VERSION}.tar.gz")
  execute_process(COMMAND "${git}" -C "${HELLO_SOURCE_DIR}" archive --format=tar.gz
    --prefix=${HELLO_PACKAGE_NAME}-${HELLO_VERSION}/ -o "${package}" HEAD COMMAND_ERROR_IS_FATAL ANY)
  message(STATUS "package: ${package}")
  return()
endif()

foreach(tool IN ITEMS dpkg-shlibdeps dpkg-gencontrol dpkg-deb)
  find_program(${tool} ${tool})
  if(NOT ${tool})
    message(FATAL_ERROR "hello: the .deb needs ${tool} (Debian: apt-get install dpkg-dev)")
  endif()
endforeach()
set(work "${HELLO_BUILD_DIR}/deb")
set(root "${work}/root")
file(REMOVE_RECURSE "${work}")
set(ENV{DESTDIR} "${root}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${HELLO_BUILD_DIR}" --prefix /usr --strip
  --component ${HELLO_PACKAGE_NAME} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
# Debian wants manual pages and changelogs compressed, with no name or time
# in the gzip header.
file(GLOB docs "${root}/usr/share/man/man1/*.1" "${root}/usr/share/doc/${HELLO_PACKAGE_NAME}/changelog")
foreach(doc IN LISTS docs)
  execute_process(COMMAND gzip -9nf "${doc}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
# Debian keeps the licence in the machine-readable copyright file; a static
# program's notices of its runtimes go beside it.
set(notices "${root}/usr/share/licenses/${HELLO_PACKAGE_NAME}/THIRD-PARTY-NOTICES")
if(EXISTS "${notices}")
  file(RENAME "${notices}" "${root}/usr/share/doc/${HELLO_PACKAGE_NAME}/THIRD-PARTY-NOTICES")
endif()
file(REMOVE_RECURSE "${root}/usr/share/licenses")
file(READ "${HELLO_SOURCE_DIR}/LICENSE" license)
string(REGEX REPLACE "^MIT License\n\n[^\n]*\n\n" "" license "${license}")
string(REGEX REPLACE "\n$" "" license "${license}")
string(REGEX REPLACE "\n\n" "\n.\n" license "${license}")
string(REPLACE "\n" "\n " license "${license}")
file(WRITE "${root}/usr/share/doc/${HELLO_PACKAGE_NAME}/copyright"
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: ${HELLO_PACKAGE_NAME}

Files: *
Copyright: 2026 The hello-cxx developers
License: MIT
 ${license}
")

# dpkg-gencontrol writes DEBIAN/control from a debian/ folder: the package's
# paragraph, the ChangeLog, and the libraries dpkg-shlibdeps found.
file(READ "${CMAKE_CURRENT_LIST_DIR}/description.txt" description)
string(REGEX REPLACE "\n$" "" description "${description}")
string(REPLACE "\n" "\n " description "${description}")
file(WRITE "${work}/debian/control" "Source: ${HELLO_PACKAGE_NAME}
Maintainer: ${HELLO_MAINTAINER}
Section: utils
Priority: optional

Package: ${HELLO_PACKAGE_NAME}
Architecture: any
Depends: \${shlibs:Depends}
Conflicts: hello, hello-traditional
Description: ${HELLO_SUMMARY}
 ${description}
")
file(COPY_FILE "${HELLO_SOURCE_DIR}/ChangeLog" "${work}/debian/changelog")
file(MAKE_DIRECTORY "${root}/DEBIAN")
execute_process(COMMAND "${dpkg-shlibdeps}" -Tdebian/substvars "${root}/usr/bin/hello"
  WORKING_DIRECTORY "${work}" COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND "${dpkg-gencontrol}" -p${HELLO_PACKAGE_NAME} -Tdebian/substvars
  -fdebian/files "-P${root}" WORKING_DIRECTORY "${work}" COMMAND_ERROR_IS_FATAL ANY)
# Modes that do not depend on the packager's umask.
set(staged "${root}")
include(${CMAKE_CURRENT_LIST_DIR}/folder-modes.cmake)
file(CHMOD "${root}/DEBIAN/control" "${root}/usr/share/doc/${HELLO_PACKAGE_NAME}/copyright" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
# dpkg-deb sorts the files and clamps their times to SOURCE_DATE_EPOCH. Its
# message names the package made, in English only in the C locale.
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C "${dpkg-deb}" --root-owner-group --build "${root}" "${HELLO_OUTPUT_DIR}"
  OUTPUT_VARIABLE built COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE ".*building package .* in '(.*)'\\.\n?$" "\\1" package "${built}")
if(NOT EXISTS "${package}")
  message(FATAL_ERROR "hello: dpkg-deb said what this cannot read as the package made:\n${built}")
endif()
message(STATUS "package: ${package}")
include(${CMAKE_CURRENT_LIST_DIR}/sbom.cmake)
hello_write_sbom("${package}" "${HELLO_OUTPUT_DIR}" "${root}/usr/bin/hello")
