# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Removes the files an install wrote, as its manifest names them, under
# DESTDIR when the environment sets it as it did for a staged install:
#   cmake --build build --target uninstall
#   cmake -D MANIFEST=build/install_manifest.txt -P cmake/Uninstall.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "hello: no install manifest at '${MANIFEST}': nothing was installed from this build folder")
endif()
# Only under a DESTDIR that an install of this build folder used.
cmake_path(GET MANIFEST PARENT_PATH build)
set(record "${build}/install_destdirs.txt")
if(EXISTS "${record}")
  file(STRINGS "${record}" destdirs)
  if(NOT "[$ENV{DESTDIR}]" IN_LIST destdirs)
    string(REPLACE ";" ", " destdirs "${destdirs}")
    message(FATAL_ERROR "hello: this build folder installed under DESTDIR ${destdirs}, not under "
      "[$ENV{DESTDIR}]: uninstall with the install's DESTDIR, or this would remove files it did not write")
  endif()
endif()
file(STRINGS "${MANIFEST}" files)
foreach(file IN LISTS files)
  set(file "$ENV{DESTDIR}${file}")
  if(EXISTS "${file}" OR IS_SYMLINK "${file}")
    message(STATUS "Removing: ${file}")
    file(REMOVE "${file}")
  endif()
endforeach()
if(EXISTS "${record}")
  list(REMOVE_ITEM destdirs "[$ENV{DESTDIR}]")
  list(JOIN destdirs "\n" destdirs)
  file(WRITE "${record}" "${destdirs}\n")
endif()
