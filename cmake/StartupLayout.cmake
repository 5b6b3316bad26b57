# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Start-up code laid out together. A run of a static hello is mostly process
# start-up, and most of that is page faults on the C and C++ libraries'
# start-up code, scattered over the program. Linked again with the functions
# one run executes side by side, it faults a third as often above the
# smallest static C program, with not one instruction changed. The order
# comes from a run of the same program linked without it, under callgrind, at
# build time, so it follows whatever libraries are installed; lld places the
# functions. Where that cannot be done the layout is the linker's own, and
# configuring says so.
#
# As a script, runs PROGRAM once under valgrind, in an empty environment so
# that the builder's locale or time zone do not change the layout, and writes
# the functions it executed, sorted, to ORDER:
#   cmake -D VALGRIND=... -D PROGRAM=... -D ORDER=... -P cmake/StartupLayout.cmake

if(CMAKE_SCRIPT_MODE_FILE)
  execute_process(COMMAND env -i "${VALGRIND}" --tool=callgrind --demangle=no --compress-strings=no
      "--callgrind-out-file=${ORDER}.callgrind" "${PROGRAM}"
    OUTPUT_QUIET ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(STRINGS "${ORDER}.callgrind" functions REGEX "^fn=")
  list(TRANSFORM functions REPLACE "^fn=" "")
  list(REMOVE_DUPLICATES functions)
  list(SORT functions)
  list(JOIN functions "\n" functions)
  file(WRITE "${ORDER}" "${functions}\n")
  return()
endif()

# In hello_link_for_fast_startup, for a static TARGET: links it with its
# start-up code laid out together where the toolchain allows.
function(hello_lay_out_startup target)
  set(order ${CMAKE_CURRENT_BINARY_DIR}/start-up-layout/order.txt)
  find_program(HELLO_VALGRIND valgrind)
  if(CMAKE_CROSSCOMPILING)
    set(why "a cross build's program does not run here to show its start-up")
  elseif(NOT HELLO_VALGRIND)
    set(why "valgrind, which records what a run executes, is not installed")
  else()
    file(WRITE ${order}.probe "main\n")
    hello_check_link_option(HELLO_ACCEPTS_SYMBOL_ORDERING
      "-fuse-ld=lld;LINKER:--symbol-ordering-file=${order}.probe" accepted)
    if(NOT accepted)
      set(why "no linker here orders functions: lld does (Debian: apt-get install lld)")
    endif()
  endif()
  if(DEFINED why)
    message(STATUS "hello: start-up layout: the linker's own (${why})")
    return()
  endif()

  # The same program without the order, linked only to be run once.
  get_target_property(sources ${target} SOURCES)
  get_target_property(link_options ${target} LINK_OPTIONS)
  add_executable(${target}-unordered EXCLUDE_FROM_ALL ${sources})
  if(link_options)
    target_link_options(${target}-unordered PRIVATE ${link_options})
  endif()
  set_target_properties(${target}-unordered PROPERTIES
    CXX_EXTENSIONS OFF CXX_STANDARD 17 CXX_STANDARD_REQUIRED ON
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/start-up-layout)
  add_custom_command(OUTPUT ${order}
    COMMAND ${CMAKE_COMMAND} -D VALGRIND=${HELLO_VALGRIND} -D PROGRAM=$<TARGET_FILE:${target}-unordered>
      -D ORDER=${order} -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    DEPENDS ${target}-unordered ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    COMMENT "Recording the functions a run of hello executes" VERBATIM)
  add_custom_target(${target}-start-up-order DEPENDS ${order})
  add_dependencies(${target} ${target}-start-up-order)
  target_link_options(${target} PRIVATE -fuse-ld=lld LINKER:--symbol-ordering-file=${order}
    LINKER:--no-warn-symbol-ordering)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${order})
  message(STATUS "hello: start-up layout: the functions one run executes, together (lld)")
endfunction()
