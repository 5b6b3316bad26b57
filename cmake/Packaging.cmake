# Packages with CPack, their facts taken from cmake/ReleaseFacts.cmake. The
# system packages (DEB, RPM) are meant to come from the dynamic build
# (HELLO_STATIC=OFF), the portable archives (TGZ, Windows ZIP) from the static
# default: see the README's Packages section.

if(WIN32)
  # A Windows user reads a plain-text README rather than a manual page.
  file(READ ${PROJECT_SOURCE_DIR}/packaging/description.txt HELLO_DESCRIPTION)
  configure_file(packaging/README.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${PROJECT_BINARY_DIR}/README.txt DESTINATION .)
else()
  install(FILES ChangeLog DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME changelog)
endif()

set(CPACK_PACKAGE_VENDOR "The hello developers")
set(CPACK_PACKAGE_CONTACT "${HELLO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/packaging/description.txt)
string(TOLOWER "${PROJECT_NAME}-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}"
  CPACK_PACKAGE_FILE_NAME)
set(CPACK_STRIP_FILES ON)
# Write every value into the CPack configuration as it is, regexes included.
set(CPACK_VERBATIM_VARIABLES ON)

# Debian's and Fedora's own "hello" packages (a different program) install
# /usr/bin/hello too: a package manager must ask before swapping one for the other.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_CONFLICTS "hello, hello-traditional")
if(NOT HELLO_LINKS_STATICALLY)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_RELEASE 1)
set(CPACK_RPM_PACKAGE_GROUP "Applications/Text")
set(CPACK_RPM_PACKAGE_CONFLICTS hello)
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
  /usr/share/man /usr/share/man/man1)
file(WRITE ${PROJECT_BINARY_DIR}/rpm-changelog "${HELLO_RPM_CHANGELOG}")
set(CPACK_RPM_CHANGELOG_FILE ${PROJECT_BINARY_DIR}/rpm-changelog)
# The packager; a build time and host that do not depend on the machine; and
# rpmbuild's database in the staging folder, not in the home folder (where
# Debian's rpm keeps it).
set(CPACK_RPM_SPEC_MORE_DEFINE "%define packager ${HELLO_MAINTAINER}
%define _buildhost reproducible
%define _dbpath %{_topdir}/rpmdb
%define use_source_date_epoch_as_buildtime 1
%define clamp_mtime_to_source_date_epoch 1")

# The source package is the tracked sources: no build folder, nothing built.
# CPack matches these expressions against whole paths, so they start at the
# source folder, whose name may hold characters special to a regex.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION})
string(REGEX REPLACE "([][+.*?()^$|\\])" "\\\\\\1" source_dir_regex "${PROJECT_SOURCE_DIR}")
set(CPACK_SOURCE_IGNORE_FILES
  "^${source_dir_regex}/\\.git/" "^${source_dir_regex}/build/"
  "^${source_dir_regex}/CMakeUserPresets\\.json$")
cmake_path(IS_PREFIX PROJECT_SOURCE_DIR "${PROJECT_BINARY_DIR}" binary_dir_in_source)
if(binary_dir_in_source)
  string(REGEX REPLACE "([][+.*?()^$|\\])" "\\\\\\1" binary_dir_regex "${PROJECT_BINARY_DIR}")
  list(APPEND CPACK_SOURCE_IGNORE_FILES "^${binary_dir_regex}/")
endif()

# Reproducible timestamps, and compressed documentation in the staging tree.
set(CPACK_HELLO_RELEASE_EPOCH ${HELLO_RELEASE_EPOCH})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackagingTime.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/StagePackage.cmake)

include(CPack)
