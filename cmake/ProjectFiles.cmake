# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# The project's own files, told apart from whatever else a source folder holds
# (build folders, editor backups, a secret in an untracked .env): in a git
# checkout, the files git tracks; in an unpacked source package, the files its
# MANIFEST lists. The source package and every check that works on a copy of
# the sources take their files from here.
#
# As a script, copies the project in FROM into the new folder TO:
#   cmake -D FROM=SOURCE_DIR -D TO=FOLDER -P cmake/ProjectFiles.cmake

# Sets RESULT to the project's files in SOURCE_DIR, relative to it, sorted.
function(hello_project_files source_dir result)
  file(REAL_PATH "${source_dir}" source_dir)
  find_program(HELLO_GIT git)
  set(toplevel "")
  if(HELLO_GIT)
    execute_process(COMMAND "${HELLO_GIT}" -C "${source_dir}" rev-parse --show-toplevel
      OUTPUT_VARIABLE toplevel OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  if(toplevel)
    file(REAL_PATH "${toplevel}" toplevel)
  endif()
  if(toplevel STREQUAL source_dir)
    # -z, for names as they are: git quotes a name with a quote in it otherwise.
    execute_process(COMMAND "${HELLO_GIT}" -C "${source_dir}" ls-files -z
      COMMAND tr "\\0" "\\n"
      OUTPUT_VARIABLE listed COMMAND_ERROR_IS_FATAL ANY)
    if(listed MATCHES ";")
      message(FATAL_ERROR "${source_dir}: a tracked file's name holds a ';', which CMake's lists cannot")
    endif()
    string(REPLACE "\n" ";" listed "${listed}")
    set(from "git's list of tracked files")
  elseif(EXISTS "${source_dir}/MANIFEST")
    file(STRINGS "${source_dir}/MANIFEST" listed)
    set(from "MANIFEST")
  else()
    message(FATAL_ERROR "${source_dir} is neither a git checkout nor an unpacked source "
      "package with a MANIFEST, so its project files cannot be told from other files")
  endif()
  set(files "")
  foreach(file IN LISTS listed)
    # A tracked file deleted in the work tree is not part of it any more.
    if(NOT file STREQUAL "" AND EXISTS "${source_dir}/${file}")
      list(APPEND files "${file}")
    endif()
  endforeach()
  if(NOT files)
    message(FATAL_ERROR "${source_dir}: ${from} names no file")
  endif()
  list(SORT files)
  set(${result} "${files}" PARENT_SCOPE)
endfunction()

# Copies the project's files in SOURCE_DIR into DESTINATION, which must not
# exist yet, and lists them in its MANIFEST.
function(hello_copy_project source_dir destination)
  hello_project_files("${source_dir}" files)
  if(EXISTS "${destination}")
    message(FATAL_ERROR "${destination} exists already")
  endif()
  list(REMOVE_ITEM files MANIFEST)
  foreach(file IN LISTS files)
    cmake_path(GET file PARENT_PATH folder)
    file(COPY "${source_dir}/${file}" DESTINATION "${destination}/${folder}")
  endforeach()
  list(APPEND files MANIFEST)
  list(SORT files)
  list(JOIN files "\n" manifest)
  file(WRITE "${destination}/MANIFEST" "${manifest}\n")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  if(NOT FROM OR NOT TO)
    message(FATAL_ERROR "usage: cmake -D FROM=SOURCE_DIR -D TO=FOLDER -P ${CMAKE_CURRENT_LIST_FILE}")
  endif()
  hello_copy_project("${FROM}" "${TO}")
endif()
