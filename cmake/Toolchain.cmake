# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# What hello knows about toolchains: each option is applied only where the
# toolchain accepts it, so that any C++ toolchain gets a plain, working build.
# Probes are cached as CMake's checks are: configure with --fresh to probe
# again. Why hello links as it does: bench/README.md.
include(CheckLinkerFlag)
include(CheckPIESupported)
include(${CMAKE_CURRENT_LIST_DIR}/Runtimes.cmake)
set(HELLO_STATIC AUTO CACHE STRING "Link statically: ON, OFF, or AUTO \
(ON, but OFF for a distribution's build: install prefix /usr, or BUILD_SHARED_LIBS)")
set_property(CACHE HELLO_STATIC PROPERTY STRINGS AUTO ON OFF)

# Links TARGET statically (a distribution's build dynamically, as a hardened
# PIE), says how and why, and records what the binary's checks expect:
# HELLO_LINKS_STATICALLY, HELLO_START_FILES and HELLO_ELF_HARDENING.
function(hello_link_for_fast_startup target)
  set(CMAKE_REQUIRED_QUIET ON)
  string(TOUPPER "${HELLO_STATIC}" static)
  cmake_path(SET prefix NORMALIZE "${CMAKE_INSTALL_PREFIX}/")
  set(reason "HELLO_STATIC=${HELLO_STATIC}")
  if(static STREQUAL "AUTO")
    set(static OFF)
    if(BUILD_SHARED_LIBS)
      set(reason "BUILD_SHARED_LIBS is ON, as in distributions' recipes")
    elseif(prefix STREQUAL "/usr/")
      set(reason "the install prefix is /usr, a distribution's")
    else()
      set(static ON)
      set(reason "the default; HELLO_STATIC=OFF links dynamically")
    endif()
  endif()

  set(links_statically OFF)
  if(static AND MSVC)
    # The MSVC ABI takes its static runtime from a property, not from -static.
    if(NOT DEFINED CMAKE_MSVC_RUNTIME_LIBRARY)
      set_target_properties(${target} PROPERTIES MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
    endif()
    set(links_statically ON)
    list(APPEND applied "static runtime")
  elseif(static)
    hello_find_static_link(static_link start_files)
    if(static_link)
      target_link_options(${target} PRIVATE ${static_link})
      set(links_statically ON)
      if(start_files)
        list(APPEND applied "${start_files} start files")
      endif()
      hello_link_option_if_accepted(HELLO_ACCEPTS_GC_SECTIONS LINKER:--gc-sections)
    else()
      set(reason "this toolchain cannot link statically")
      hello_find_runtimes(runtimes)
      string(REGEX MATCH "libstdc\\+\\+=([0-9]+)" gcc "${runtimes}")
      message(WARNING "hello: this toolchain cannot link statically (are the static C and C++ libraries "
        "missing? Debian: libc6-dev, libstdc++-${CMAKE_MATCH_1}-dev), so hello is linked dynamically and "
        "starts slower. Install them and configure with --fresh.")
    endif()
  endif()

  if(NOT links_statically)
    check_pie_supported(OUTPUT_VARIABLE ignored LANGUAGES CXX)
    if(CMAKE_CXX_LINK_PIE_SUPPORTED)
      set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
      list(APPEND applied "position-independent")
      list(APPEND hardening pie)
    else()
      list(APPEND left_out "position-independent executable")
    endif()
  endif()
  if(CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
    hello_link_option_if_accepted(HELLO_ACCEPTS_RELRO LINKER:-z,relro relro)
    hello_link_option_if_accepted(HELLO_ACCEPTS_NOW LINKER:-z,now now)
  elseif(NOT CMAKE_EXECUTABLE_FORMAT STREQUAL "MACHO")
    # Windows linkers stamp the link time into the program unless told not to.
    check_linker_flag(CXX LINKER:--no-insert-timestamp HELLO_ACCEPTS_NO_TIMESTAMP)
    if(NOT HELLO_ACCEPTS_NO_TIMESTAMP)
      check_linker_flag(CXX /Brepro HELLO_ACCEPTS_BREPRO)
    endif()
    target_link_options(${target} PRIVATE $<$<BOOL:${HELLO_ACCEPTS_NO_TIMESTAMP}>:LINKER:--no-insert-timestamp>
      $<$<BOOL:${HELLO_ACCEPTS_BREPRO}>:/Brepro>)
  endif()
  set(how dynamically)
  if(links_statically)
    set(how statically)
    set(hardening "") # no dynamic section to show it in
  endif()
  if(applied)
    list(JOIN applied ", " applied)
    set(applied "; ${applied}")
  endif()
  message(STATUS "hello: linking ${how} (${reason})${applied}")
  if(start_files STREQUAL "static")
    message(STATUS "hello: start files: those for static programs (this toolchain links no static program with "
      "the ordinary ones that catches what it throws); they register the frame tables at every start")
  endif()
  if(left_out)
    list(JOIN left_out ", " left_out)
    message(STATUS "hello: this toolchain does not accept ${left_out}; building without")
  endif()
  set_target_properties(${target} PROPERTIES HELLO_LINKS_STATICALLY ${links_statically}
    HELLO_START_FILES "${start_files}" HELLO_ELF_HARDENING "${hardening}")
  if(links_statically AND CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
    hello_lay_out_startup(${target})
  endif()
  if(PROJECT_IS_TOP_LEVEL AND links_statically)
    hello_find_strip_for_static_programs()
  endif()
endfunction()

# Adds OPTION to the target where accepted, noting it as applied and HARDENING (ARGN).
macro(hello_link_option_if_accepted cache_name option)
  check_linker_flag(CXX "${option}" ${cache_name})
  string(REGEX REPLACE "^LINKER:" "" shown "${option}")
  string(REPLACE "," " " shown "${shown}")
  if(${cache_name})
    target_link_options(${target} PRIVATE ${option})
    list(APPEND applied "${shown}")
    list(APPEND hardening ${ARGN})
  else()
    list(APPEND left_out "${shown}")
  endif()
endmacro()

# Sets OUT to the options that link statically (none where the toolchain
# cannot) and START_FILES to the ELF start files they bring: the ordinary
# ones where a program that throws, linked so, is a static ELF file indexing
# its frames that catches what it throws (where it cannot run here, its
# headers alone judge); else -static's.
function(hello_find_static_link out start_files)
  set(ordinary -no-pie -static-libgcc LINKER:-static LINKER:--no-dynamic-linker)
  if(CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF" AND CMAKE_READELF AND NOT DEFINED HELLO_ORDINARY_START)
    set(dir ${CMAKE_BINARY_DIR}/CMakeFiles/hello-static-link)
    set(HELLO_STATIC_PROBE_RAN FAILED_TO_RUN CACHE INTERNAL "What try_run keeps where it cannot run")
    try_run(HELLO_STATIC_PROBE_RAN linked ${dir} SOURCES ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/throw-and-catch.cpp
      LINK_OPTIONS ${ordinary} COPY_FILE ${dir}/program)
    execute_process(COMMAND ${CMAKE_READELF} --program-headers --wide ${dir}/program OUTPUT_VARIABLE headers ERROR_QUIET)
    string(REGEX MATCH "^0$|^FAILED_TO_RUN$" ran "${HELLO_STATIC_PROBE_RAN}")
    set(accepted OFF)
    if(headers MATCHES " (GNU_EH_FRAME|(ARM_)?EXIDX) " AND NOT headers MATCHES "\n +(INTERP|DYNAMIC) "
        AND (ran STREQUAL "0" OR (ran AND CMAKE_CROSSCOMPILING)))
      set(accepted ON)
    endif()
    set(HELLO_ORDINARY_START ${accepted} CACHE INTERNAL "A static program links with the ordinary start files")
  endif()
  if(HELLO_ORDINARY_START)
    set(${out} ${ordinary} PARENT_SCOPE)
    set(${start_files} ordinary PARENT_SCOPE)
    return()
  endif()
  check_linker_flag(CXX -static HELLO_ACCEPTS_STATIC)
  if(HELLO_ACCEPTS_STATIC)
    set(${out} -static PARENT_SCOPE)
    if(CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
      set(${start_files} static PARENT_SCOPE)
    endif()
  endif()
endfunction()

# Links TARGET with the functions one run executes side by side (lld places
# them), in the order a run of the same program linked without it shows
# under callgrind at build time; where that cannot be done, says why.
function(hello_lay_out_startup target)
  set(order ${CMAKE_CURRENT_BINARY_DIR}/start-up-layout/order.txt)
  find_program(HELLO_VALGRIND valgrind)
  file(WRITE ${order}.probe "main\n")
  if(CMAKE_CROSSCOMPILING)
    set(why "a cross build's program does not run here to show its start-up")
  elseif(NOT HELLO_VALGRIND)
    set(why "valgrind, which records what a run executes, is not installed")
  else()
    check_linker_flag(CXX "-fuse-ld=lld;LINKER:--symbol-ordering-file=${order}.probe" HELLO_ACCEPTS_SYMBOL_ORDERING)
    if(NOT HELLO_ACCEPTS_SYMBOL_ORDERING)
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
  set_target_properties(${target}-unordered PROPERTIES CXX_EXTENSIONS OFF CXX_STANDARD 17
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/start-up-layout)
  # Run with no environment, so that the builder's locale or zone cannot change it.
  add_custom_command(OUTPUT ${order} COMMAND sh -c "env -i \"$0\" --tool=callgrind --demangle=no \
--compress-strings=no --callgrind-out-file=\"$1.callgrind\" \"$2\" >/dev/null 2>&1 && \
sed -n 's/^fn=//p' \"$1.callgrind\" | LC_ALL=C sort -u >\"$1\"" ${HELLO_VALGRIND} ${order}
      $<TARGET_FILE:${target}-unordered>
    DEPENDS ${target}-unordered COMMENT "Recording the functions a run of hello executes" VERBATIM)
  # A source of the program, so that it is made before the program is linked.
  target_sources(${target} PRIVATE ${order})
  # The path last: a "[" in it would join what follows it into one list item.
  set(ordering -fuse-ld=lld LINKER:--no-warn-symbol-ordering LINKER:--symbol-ordering-file=${order})
  target_link_options(${target} PRIVATE ${ordering})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${order})
  message(STATUS "hello: start-up layout: the functions one run executes, together (lld)")
endfunction()

# `cmake --install --strip` and CPack ignore CMAKE_STRIP's failure, and some
# cannot strip a static program (llvm-strip 14): where CMAKE_STRIP fails on
# the static link's probe, the target's GNU strip is taken.
function(hello_find_strip_for_static_programs)
  set(probe ${CMAKE_BINARY_DIR}/CMakeFiles/hello-static-link/program)
  if(NOT CMAKE_STRIP OR NOT EXISTS ${probe})
    return()
  endif()
  find_program(HELLO_GNU_STRIP NAMES ${CMAKE_LIBRARY_ARCHITECTURE}-strip strip)
  foreach(strip IN ITEMS "${CMAKE_STRIP}" "${HELLO_GNU_STRIP}")
    file(COPY_FILE ${probe} ${probe}-stripped)
    execute_process(COMMAND "${strip}" ${probe}-stripped RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
    if(NOT failed)
      if(NOT strip STREQUAL CMAKE_STRIP)
        message(STATUS "hello: ${CMAKE_STRIP} cannot strip a static program; using ${strip}")
        set(CMAKE_STRIP "${strip}" CACHE FILEPATH "Program that strips the installed files" FORCE)
      endif()
      return()
    endif()
  endforeach()
  message(WARNING "hello: no strip program here can strip a static program; "
    "`cmake --install --strip` and the packages will keep the symbols")
endfunction()
