# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Removes the files an install wrote, as its manifest names them, under
# DESTDIR when the environment sets it as it did for a staged install:
#   cmake --build build --target uninstall
#   cmake -D MANIFEST=build/install_manifest.txt -P cmake/Uninstall.cmake
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "hello: no install manifest at '${MANIFEST}': nothing was installed from this build folder")
endif()
file(STRINGS "${MANIFEST}" files)
foreach(file IN LISTS files)
  set(file "$ENV{DESTDIR}${file}")
  if(EXISTS "${file}" OR IS_SYMLINK "${file}")
    message(STATUS "Removing: ${file}")
    file(REMOVE "${file}")
  endif()
endforeach()
