# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Run by CPack on the tree it staged, before it packs. Folders take the umask of whoever installs them, whatever
# CMake is told (as of CMake 4.3), and a package must not depend on it.
set(tree "${CPACK_TEMPORARY_DIRECTORY}")
file(CHMOD_RECURSE "${tree}" DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
# The files written from here on (the .deb's members: debian-binary, control.tar.gz, ...) would take the umask's
# modes: default ACLs make them rw-r--r-- whatever it is.
execute_process(COMMAND setfacl -R -d -m u::rwx,g::rx,o::rx "${tree}" RESULT_VARIABLE no_acl ERROR_QUIET)
execute_process(COMMAND sh -c umask OUTPUT_VARIABLE umask OUTPUT_STRIP_TRAILING_WHITESPACE)
if(no_acl AND NOT umask MATCHES "^0*22$")
  message(FATAL_ERROR "hello: the .deb would take your umask's modes (${umask}): pack under umask 022, "
    "or where setfacl gives its folder a default ACL (Debian: apt-get install acl)")
endif()
# Debian's layout: the manual page and changelog compressed, without name or time; the licence in the
# machine-readable copyright file, beside whatever notices a static program carries.
set(usr "${tree}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(doc "${usr}/share/doc/${CPACK_PACKAGE_NAME}")
file(GLOB docs "${usr}/share/man/man1/*.1" "${doc}/changelog")
execute_process(COMMAND gzip -9n ${docs} COMMAND_ERROR_IS_FATAL ANY)
file(COPY "${usr}/share/licenses/${CPACK_PACKAGE_NAME}/" DESTINATION "${doc}" PATTERN LICENSE EXCLUDE)
file(REMOVE_RECURSE "${usr}/share/licenses")
file(READ "${CMAKE_CURRENT_LIST_DIR}/../LICENSE" license)
string(REGEX MATCH "^MIT License\n\nCopyright \\(c\\) ([^\n]*)\n\n(.*[^\n])" license "${license}")
string(REPLACE "\n\n" "\n.\n" text "${CMAKE_MATCH_2}")
string(REPLACE "\n" "\n " text "${text}")
file(WRITE "${doc}/copyright" "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: ${CPACK_PACKAGE_NAME}

Files: *
Copyright: ${CMAKE_MATCH_1}
License: MIT
 ${text}
")
