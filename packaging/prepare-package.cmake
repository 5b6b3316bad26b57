# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Read by cpack before each package. Every timestamp (CPack's archives, rpmbuild, strip of a Windows program) is
# SOURCE_DATE_EPOCH, by default the ChangeLog's release date; a zip file's local times are UTC.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_HELLO_RELEASE_EPOCH})
endif()
set(ENV{TZ} UTC0)
# Where a generator would make a wrong package and report success, packaging stops here, saying why: CPack 3.25
# finds what it staged by a glob of the folder's path, in which '[' is a pattern; rpmbuild's scripts use its
# folders unquoted; without dpkg-shlibdeps, which it searches for as here, CPackDeb leaves Depends out.
find_program(SHLIBDEPS_EXECUTABLE dpkg-shlibdeps)
set(another_folder "${CPACK_PACKAGE_DIRECTORY}\nGive cpack another output folder, as in cpack -B /tmp/packages")
if(CPACK_PACKAGE_DIRECTORY MATCHES "\\[")
  message(FATAL_ERROR "hello: CPack cannot package under a path with '[' in it: ${another_folder}")
elseif(CPACK_GENERATOR STREQUAL "RPM" AND CPACK_PACKAGE_DIRECTORY MATCHES "[] ()&;|<>$`'\"%\\]")
  message(FATAL_ERROR "hello: rpmbuild cannot work under a path with a space or shell character: ${another_folder}")
elseif(CPACK_GENERATOR STREQUAL "DEB" AND NOT SHLIBDEPS_EXECUTABLE)
  message(FATAL_ERROR "hello: no dpkg-shlibdeps (Debian: apt-get install dpkg-dev): the .deb would declare no Depends")
endif()
# Before 4.3, CPack's archives give their files the packer's uid, which root unpacking them keeps; fakeroot
# makes id and CPack alike see root.
if(CPACK_GENERATOR MATCHES "^(7Z|STGZ|TBZ2|TGZ|TXZ|TZ|TZST|ZIP)$" AND CMAKE_VERSION VERSION_LESS 4.3
    AND CMAKE_HOST_UNIX)
  execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT uid STREQUAL "0")
    message(FATAL_ERROR "hello: run cpack under fakeroot: fakeroot cpack -G ${CPACK_GENERATOR}\n"
      "CPack ${CMAKE_VERSION} would give the archive's files your uid (${uid}) rather than root's.")
  endif()
endif()
