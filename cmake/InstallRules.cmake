# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Everything hello installs is in one component named after the package: a parent project, or a test, installs it alone.
include(GNUInstallDirs)
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME ${PROJECT_NAME})
# Where Fedora and Arch keep licences; a .deb carries its copyright file instead, and Windows keeps them beside hello.
set(licences ${CMAKE_INSTALL_DATAROOTDIR}/licenses/${PROJECT_NAME})
if(WIN32)
  set(licences .)
endif()
# Uninstall.cmake notes, before hello's files, which of their folders are missing; after, what came.
set(folders ${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_MANDIR}/man1 ${CMAKE_INSTALL_DOCDIR} ${licences}/LICENSES
  ${licences}/copyright)
install(CODE "set(hello_folders [==[${folders}]==])")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/Uninstall.cmake)
install(TARGETS hello-cxx RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(WIN32)
  # A Windows user reads a plain-text README, its lines ended the Windows way, rather than a manual page.
  file(READ ${PROJECT_SOURCE_DIR}/packaging/description.txt HELLO_DESCRIPTION)
  # NEWLINE_STYLE ends the template's lines, not those of the values put in.
  string(REPLACE "\n" "\r\n" HELLO_DESCRIPTION "${HELLO_DESCRIPTION}")
  configure_file(${PROJECT_SOURCE_DIR}/packaging/README.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/description.txt)
  install(FILES ${PROJECT_BINARY_DIR}/README.txt DESTINATION .)
else()
  install(FILES ${PROJECT_BINARY_DIR}/man/hello.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ChangeLog DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME changelog)
endif()
hello_install_licences(${licences})
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/Uninstall.cmake)

# The README's uninstall; a parent project has its own.
if(PROJECT_IS_TOP_LEVEL)
  add_custom_target(uninstall COMMAND ${CMAKE_COMMAND} -D RECORD=${CMAKE_BINARY_DIR}/install_record.txt
    -P ${CMAKE_CURRENT_LIST_DIR}/Uninstall.cmake VERBATIM)
endif()
