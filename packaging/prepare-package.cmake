# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Read by cpack before it makes each package: where a generator would make a
# wrong package and report success, packaging stops here, saying why.

# Packages made at different times or places come out identical: every
# timestamp (CPack's archives, rpmbuild, strip of a Windows program) is
# SOURCE_DATE_EPOCH, the ChangeLog's release date unless the caller sets it.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_HELLO_RELEASE_EPOCH})
endif()
# A zip file stores local times: make them UTC, whatever the packager's zone.
set(ENV{TZ} UTC0)

# CPack 3.25 finds what it staged with a glob of the folder's path, so a '['
# in it reads as a pattern: CPack would pack nothing and report success.
if(CPACK_PACKAGE_DIRECTORY MATCHES "\\[")
  message(FATAL_ERROR "hello: CPack cannot package under a path with '[' in it: "
    "${CPACK_PACKAGE_DIRECTORY}\nGive it another output folder: cpack -B FOLDER ...")
endif()
# rpmbuild's scripts use its folders unquoted: a space or a character
# special to the shell stops them.
if(CPACK_GENERATOR STREQUAL "RPM" AND CPACK_PACKAGE_DIRECTORY MATCHES "[] ()&;|<>$`'\"\\[]")
  message(FATAL_ERROR "hello: rpmbuild cannot work under ${CPACK_PACKAGE_DIRECTORY}: "
    "give cpack an output folder whose path has no space or shell character, "
    "as in cpack -G RPM -B /tmp/rpm-packages")
endif()
# Without dpkg-shlibdeps, CPackDeb leaves out Depends (it searches as here).
find_program(SHLIBDEPS_EXECUTABLE dpkg-shlibdeps)
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT SHLIBDEPS_EXECUTABLE)
  message(FATAL_ERROR "hello: the .deb's Depends come from dpkg-shlibdeps, which is not installed here "
    "(Debian: apt-get install dpkg-dev)")
endif()
# Before CMake 4.3 an archive's files are the packer's own uid's, and become
# that uid's wherever root unpacks them: who is not root packs under fakeroot.
if(CPACK_GENERATOR MATCHES "^(7Z|STGZ|TBZ2|TGZ|TXZ|TZ|TZST|ZIP)$" AND CMAKE_VERSION VERSION_LESS 4.3
    AND CMAKE_HOST_UNIX AND NOT DEFINED ENV{FAKEROOTKEY})
  execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT uid STREQUAL "0")
    message(FATAL_ERROR "hello: CPack ${CMAKE_VERSION} would make the archive's files owned by your uid "
      "(${uid}), not root: run cpack under fakeroot: fakeroot cpack -G ${CPACK_GENERATOR}")
  endif()
endif()
