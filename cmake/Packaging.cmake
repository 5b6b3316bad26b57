# Packages with CPack: `cpack -G DEB` and `cpack -G TGZ` from a build folder.

install(FILES ChangeLog DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME changelog)

set(CPACK_PACKAGE_VENDOR "The hello developers")
set(CPACK_PACKAGE_CONTACT "The hello developers <hello@example.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print a friendly greeting")
set(CPACK_PACKAGE_DESCRIPTION [[
hello writes the line Hello World! to standard output and exits. It
takes no options and reads no input. Its exit status tells whether the
greeting was written in full, so scripts can rely on it even when
standard output is a full disk or a closed pipe.]])
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The static build depends on nothing; the dynamic one on the libraries it links.
if(NOT HELLO_LINKS_STATICALLY)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

# Debian wants manual pages and changelogs compressed; the plain install keeps
# them as they are, so compress them only in the staging tree of a package.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/CompressDocs.cmake)

include(CPack)
