# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Everything hello installs, in one component named after the package, so that
# a parent project, or a test, can install hello's files alone.
include(GNUInstallDirs)

# Where Fedora and Arch keep licences; a .deb carries its copyright file instead.
# A Windows user finds them, and a README.txt, beside bin/.
set(licence_dir ${CMAKE_INSTALL_DATAROOTDIR}/licenses/${PROJECT_NAME})
if(WIN32)
  set(licence_dir .)
endif()
# Before hello's files come, the install's record (Uninstall.cmake) notes
# which of their folders are missing; after, what came.
set(folders ${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_MANDIR}/man1 ${CMAKE_INSTALL_DOCDIR} ${licence_dir}/LICENSES
  ${licence_dir}/copyright)
list(TRANSFORM folders REPLACE "^\\./" "")
string(REGEX REPLACE "([\"\\$])" "\\\\\\1" folders "${folders}")
install(CODE "set(hello_folders \"${folders}\")" COMPONENT ${PROJECT_NAME})
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/Uninstall.cmake COMPONENT ${PROJECT_NAME})

install(TARGETS hello-cxx RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${PROJECT_NAME})

if(WIN32)
  # A Windows user reads a plain-text README, every line ended the Windows way,
  # rather than a manual page.
  file(READ ${PROJECT_SOURCE_DIR}/packaging/description.txt HELLO_DESCRIPTION)
  file(READ ${PROJECT_SOURCE_DIR}/packaging/README.txt.in readme)
  # NEWLINE_STYLE ends the template's lines, not those of the values put in.
  string(REPLACE "\n" "\r\n" HELLO_DESCRIPTION "${HELLO_DESCRIPTION}")
  file(CONFIGURE OUTPUT README.txt CONTENT "${readme}" @ONLY NEWLINE_STYLE CRLF)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/packaging/description.txt ${PROJECT_SOURCE_DIR}/packaging/README.txt.in)
  install(FILES ${PROJECT_BINARY_DIR}/README.txt DESTINATION . COMPONENT ${PROJECT_NAME})
else()
  install(FILES ${PROJECT_BINARY_DIR}/man/hello.1
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${PROJECT_NAME})
  install(FILES ChangeLog DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME changelog
    COMPONENT ${PROJECT_NAME})
endif()
# LICENSE, and a static program's notices of the runtime libraries it carries.
hello_install_licences(${licence_dir})
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/Uninstall.cmake COMPONENT ${PROJECT_NAME})

# The README's uninstall; a parent project has its own.
if(PROJECT_IS_TOP_LEVEL)
  add_custom_target(uninstall COMMAND ${CMAKE_COMMAND} -D RECORD=${CMAKE_BINARY_DIR}/install_record.txt
    -P ${CMAKE_CURRENT_LIST_DIR}/Uninstall.cmake VERBATIM)
endif()
