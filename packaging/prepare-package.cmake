# Read by cpack before it makes each package, ahead of the install and strip
# steps.

# Packages made at different times or places come out identical: every
# timestamp (CPack's DEB generator, rpmbuild, strip of a Windows program,
# normalise-staging-tree.cmake) is SOURCE_DATE_EPOCH, the ChangeLog's release
# date unless the caller sets it.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_HELLO_RELEASE_EPOCH})
endif()

# The source package packs the folder CPACK_INSTALLED_DIRECTORIES names: fill
# it afresh with the project's files, so that nothing else can slip in.
if(CPACK_INSTALLED_DIRECTORIES)
  include(${CPACK_HELLO_PROJECT_FILES_SCRIPT})
  file(REMOVE_RECURSE ${CPACK_HELLO_SOURCE_FILES})
  hello_copy_project(${CPACK_HELLO_SOURCE_DIR} ${CPACK_HELLO_SOURCE_FILES})
endif()

# Without dpkg-shlibdeps CPack makes a .deb that declares no dependency, and
# reports success.
if(CPACK_GENERATOR STREQUAL "DEB" AND CPACK_DEBIAN_PACKAGE_SHLIBDEPS)
  cmake_policy(SET CMP0109 NEW) # a program must be executable
  find_program(HELLO_DPKG_SHLIBDEPS dpkg-shlibdeps)
  if(NOT HELLO_DPKG_SHLIBDEPS)
    message(FATAL_ERROR "hello: dpkg-shlibdeps is not installed (Debian: apt-get install "
      "dpkg-dev): without it the .deb would declare no dependencies")
  endif()
endif()

# rpmbuild's scripts use its folders unquoted: a space, a parenthesis or
# another character special to the shell in the path stops them.
if(CPACK_GENERATOR STREQUAL "RPM" AND CPACK_PACKAGE_DIRECTORY MATCHES "[] ()&;|<>$`'\"\\[]")
  message(FATAL_ERROR "hello: rpmbuild cannot work under ${CPACK_PACKAGE_DIRECTORY}: "
    "give cpack an output folder whose path has no space or shell character, "
    "as in cpack -G RPM -B /tmp/rpm-packages")
endif()

# A zip file stores local times: make them UTC, whatever the packager's zone.
set(ENV{TZ} UTC0)
