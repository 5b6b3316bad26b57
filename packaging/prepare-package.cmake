# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Read by cpack before it makes each package.

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
