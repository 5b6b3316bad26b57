# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# An install includes this file before and after hello's files: it notes in
# install_record.txt, beside the install script run, the folders made and the
# files written, their paths in hexadecimal, which holds any byte. Run as a
# script, it removes what the installs under the DESTDIR of its environment
# wrote, while it is still as they wrote it:
#   cmake --build build --target uninstall
#   cmake -D RECORD=build/install_record.txt -P cmake/Uninstall.cmake
cmake_minimum_required(VERSION 3.25)

# Sets VAR to the bytes that HEX spells.
function(hello_bytes var hex)
  while(hex MATCHES "^(..)(.*)$")
    set(hex "${CMAKE_MATCH_2}")
    math(EXPR byte "0x${CMAKE_MATCH_1}")
    string(ASCII ${byte} byte)
    string(APPEND bytes "${byte}")
  endwhile()
  set(${var} "${bytes}" PARENT_SCOPE)
endfunction()

# Sets VAR to what file PATH is: the real path of its folder and a symlink's
# target, in hexadecimal, and a file's SHA256.
function(hello_state var path)
  cmake_path(GET path PARENT_PATH folder)
  file(REAL_PATH "${folder}" folder)
  if(IS_SYMLINK "${path}")
    file(READ_SYMLINK "${path}" target)
  elseif(NOT IS_DIRECTORY "${path}")
    file(SHA256 "${path}" sha)
  endif()
  string(HEX "${folder}\n${target}" state)
  set(${var} "${state} ${sha}" PARENT_SCOPE)
endfunction()

if(NOT DEFINED CMAKE_SCRIPT_MODE_FILE)
  return() # cpack staging a package: no install of the user's
elseif(NOT CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE AND NOT DEFINED hello_start)
  # Before the files. A relative DESTDIR would be another folder to an uninstall run elsewhere.
  if(NOT "$ENV{DESTDIR}" STREQUAL "" AND NOT IS_ABSOLUTE "$ENV{DESTDIR}")
    message(FATAL_ERROR "hello: DESTDIR=$ENV{DESTDIR} is relative: give its whole path, DESTDIR=\"$PWD/$ENV{DESTDIR}\"")
  endif()
  string(LENGTH "${CMAKE_INSTALL_MANIFEST_FILES}" hello_start)
  # Each line of the record starts with the DESTDIR, then the install as the
  # uninstall's messages name it.
  string(HEX "$ENV{DESTDIR}" destdir)
  string(HEX "\n  DESTDIR '$ENV{DESTDIR}', prefix '${CMAKE_INSTALL_PREFIX}'" install)
  set(hello_install "${destdir} ${install}")
  # The folders missing now, which the install makes.
  foreach(folder IN LISTS hello_folders)
    cmake_path(ABSOLUTE_PATH folder BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}/")
    set(folder "$ENV{DESTDIR}${folder}")
    while(IS_ABSOLUTE "${folder}" AND NOT EXISTS "${folder}" AND NOT IS_SYMLINK "${folder}")
      string(HEX "${folder}" hex)
      string(APPEND hello_folders_made "${hello_install} ${hex} FOLDER\n")
      cmake_path(GET folder PARENT_PATH folder)
    endwhile()
  endforeach()
  return()
elseif(NOT CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  # After: CMake lists the files it installed joined by ';', which the prefix
  # may hold too.
  string(SUBSTRING "${CMAKE_INSTALL_MANIFEST_FILES}" ${hello_start} -1 written)
  string(REGEX REPLACE "([][.*+?^$()|\\])" "\\\\\\1" prefix "${CMAKE_INSTALL_PREFIX}")
  while(written MATCHES "^;?(${prefix}/[^;]*|[^;]+)")
    string(LENGTH "${CMAKE_MATCH_0}" length)
    set(path "$ENV{DESTDIR}${CMAKE_MATCH_1}")
    string(SUBSTRING "${written}" ${length} -1 written)
    hello_state(state "${path}")
    string(HEX "${path}" path)
    string(APPEND hello_files "${hello_install} ${path} ${state}\n")
  endwhile()
  # The folders come after the files, for the uninstall reads the record backwards.
  cmake_path(REPLACE_FILENAME CMAKE_SCRIPT_MODE_FILE install_record.txt OUTPUT_VARIABLE record)
  file(APPEND "${record}" "${hello_files}${hello_folders_made}")
  return()
endif()

# Each line: DESTDIR, the install, a path, then FOLDER or the file's state.
# The latest install first: the files are as it left them.
file(STRINGS "${RECORD}" lines)
list(REVERSE lines)
string(HEX "$ENV{DESTDIR}" destdir)
foreach(line IN LISTS lines)
  string(REGEX MATCH "^([^ ]*) ([^ ]*) ([^ ]*) (.*)$" fields "${line}")
  set(was "${CMAKE_MATCH_4}")
  if(NOT "${CMAKE_MATCH_1}" STREQUAL "${destdir}")
    string(PREPEND kept "${line}\n")
    hello_bytes(install "${CMAKE_MATCH_2}")
    string(REPLACE "${install}" "" others "${others}")
    string(APPEND others "${install}")
    continue()
  endif()
  set(found TRUE)
  hello_bytes(path "${CMAKE_MATCH_3}")
  if(was STREQUAL FOLDER)
    set("made ${path}" TRUE)
    continue()
  elseif(EXISTS "${path}" OR IS_SYMLINK "${path}")
    hello_state(now "${path}")
    if(NOT now STREQUAL was)
      message(NOTICE "hello: leaving ${path}: it is not the file the install wrote, or its folder is elsewhere now")
      continue()
    endif()
    message(STATUS "Removing ${path}")
    file(REMOVE "${path}")
  endif()
  # Then the folders the install made for it, while nothing is in them.
  cmake_path(GET path PARENT_PATH folder)
  while(DEFINED "made ${folder}" AND NOT IS_SYMLINK "${folder}")
    string(REGEX REPLACE "([[*?])" "[\\1]" pattern "${folder}")
    file(GLOB inside LIST_DIRECTORIES true "${pattern}" "${pattern}/*")
    if(NOT inside STREQUAL folder)
      break()
    endif()
    file(REMOVE_RECURSE "${folder}")
    cmake_path(GET folder PARENT_PATH folder)
  endwhile()
endforeach()
if(NOT found)
  message(FATAL_ERROR "hello: no install from this build folder is recorded under DESTDIR '$ENV{DESTDIR}'; "
    "uninstall with the DESTDIR of an install. The installs recorded:${others}")
endif()
file(WRITE "${RECORD}" "${kept}")
