# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
include(CheckLinkerFlag)
include(CheckPIESupported)
include(${CMAKE_CURRENT_LIST_DIR}/Runtimes.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/StartupLayout.cmake)

# What hello knows about toolchains lives here. Each option is applied only
# where the toolchain accepts it, so that any C++ toolchain (MinGW, Apple's,
# MSVC, WASI's, a cross compiler) gets at least a plain, working build.
#
# A run of hello is nearly all process start-up, and nearly all of a
# dynamically linked C++ program's start-up is the loader resolving libstdc++,
# so a build of one's own links statically. A distribution's build links
# dynamically, so that updates of the shared libraries reach the program, as a
# position-independent executable with full RELRO and immediate binding.
# Compiler hardening (fortified sources, stack protector) is left to the
# packager's CXXFLAGS: it changes no instruction of this program.

set(HELLO_STATIC AUTO CACHE STRING "Link statically: ON, OFF, or AUTO \
(ON, but OFF for a distribution's build: install prefix /usr, or BUILD_SHARED_LIBS)")
set_property(CACHE HELLO_STATIC PROPERTY STRINGS AUTO ON OFF)

# Links TARGET for the fastest start-up the toolchain allows, prints one line
# saying how and why, and records on the target what a test of the binary may
# expect: HELLO_LINKS_STATICALLY (ON/OFF), HELLO_START_FILES (a static
# program's: ordinary or static, see hello_find_static_link) and
# HELLO_ELF_HARDENING (a list of pie, relro, now).
function(hello_link_for_fast_startup target)
  hello_forget_probes_of_other_flags()
  set(CMAKE_REQUIRED_QUIET ON)
  set(applied "")
  set(left_out "")
  set(hardening "")
  set(start_files "")
  if(CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
    # GNU ELF linkers take all the options probed one by one below: one probe
    # of them together answers for each, in a third of the time.
    hello_check_link_option(HELLO_ACCEPTS_GNU_ELF_OPTIONS
      "LINKER:--gc-sections;LINKER:-z,relro;LINKER:-z,now" accepted)
    if(accepted)
      foreach(probe IN ITEMS GC_SECTIONS RELRO NOW)
        set(HELLO_ACCEPTS_${probe} 1 CACHE INTERNAL "Accepted with the other GNU ELF options")
      endforeach()
    endif()
  endif()

  string(TOUPPER "${HELLO_STATIC}" static)
  cmake_path(SET prefix NORMALIZE "${CMAKE_INSTALL_PREFIX}/")
  if(static STREQUAL "AUTO" AND BUILD_SHARED_LIBS)
    set(static OFF)
    set(reason "BUILD_SHARED_LIBS is ON, as in distributions' recipes")
  elseif(static STREQUAL "AUTO" AND prefix STREQUAL "/usr/")
    set(static OFF)
    set(reason "the install prefix is /usr, a distribution's")
  elseif(static STREQUAL "AUTO")
    set(static ON)
    set(reason "the default; HELLO_STATIC=OFF links dynamically")
  else()
    set(reason "HELLO_STATIC=${HELLO_STATIC}")
  endif()

  set(links_statically OFF)
  if(static AND MSVC)
    # The MSVC ABI takes its static runtime from a property, not from -static.
    if(NOT DEFINED CMAKE_MSVC_RUNTIME_LIBRARY)
      set_target_properties(${target} PROPERTIES
        MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
    endif()
    set(links_statically ON)
    list(APPEND applied "static runtime")
  elseif(static)
    hello_find_static_link(static_link start_files start_files_why)
    if(static_link)
      # Not -static-pie: a static PIE relocates itself at every start, which
      # costs more than half again as many instructions.
      target_link_options(${target} PRIVATE ${static_link})
      set(links_statically ON)
      if(start_files)
        list(APPEND applied "${start_files} start files")
      endif()
      # Dropping the unused parts of the static libraries saves a quarter of the file.
      hello_link_option_if_accepted(HELLO_ACCEPTS_GC_SECTIONS LINKER:--gc-sections)
    else()
      set(reason "this toolchain cannot link statically")
      hello_find_runtimes(runtimes)
      set(packages "libc6-dev and the C++ library's -dev package")
      if(runtimes MATCHES "libstdc\\+\\+=([0-9]+)")
        set(packages "libc6-dev, libstdc++-${CMAKE_MATCH_1}-dev")
      endif()
      message(WARNING "hello: this toolchain cannot link statically (are the static C and "
        "C++ libraries missing? Debian: ${packages}), so hello is linked "
        "dynamically and starts slower. Configuring again checks again.")
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
    # Windows linkers stamp the link time into the program unless told not to;
    # where neither way is accepted there is no stamp to leave out.
    hello_check_link_option(HELLO_ACCEPTS_NO_TIMESTAMP LINKER:--no-insert-timestamp accepted)
    if(accepted)
      target_link_options(${target} PRIVATE LINKER:--no-insert-timestamp)
    else()
      hello_check_link_option(HELLO_ACCEPTS_BREPRO /Brepro accepted)
      if(accepted)
        target_link_options(${target} PRIVATE /Brepro)
      endif()
    endif()
  endif()

  if(links_statically)
    set(how "statically")
  else()
    set(how "dynamically")
  endif()
  if(applied)
    list(JOIN applied ", " applied)
    set(applied "; ${applied}")
  endif()
  message(STATUS "hello: linking ${how} (${reason})${applied}")
  if(start_files STREQUAL "static" AND links_statically)
    message(STATUS "hello: start files: those for static programs (${start_files_why}); they "
      "register the frame tables at every start, since GCC 13 the costliest step of start-up")
  endif()
  if(left_out)
    list(JOIN left_out ", " left_out)
    message(STATUS "hello: this toolchain does not accept ${left_out}; building without")
  endif()
  if(links_statically)
    # A static program has no dynamic section to show its hardening in.
    set(hardening "")
  endif()
  set_target_properties(${target} PROPERTIES
    HELLO_LINKS_STATICALLY ${links_statically} HELLO_START_FILES "${start_files}"
    HELLO_ELF_HARDENING "${hardening}")

  if(links_statically AND CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
    hello_lay_out_startup(${target})
  endif()
  if(PROJECT_IS_TOP_LEVEL AND links_statically)
    hello_find_strip_for_static_programs()
  endif()
endfunction()

# Sets OUT to the options that link a program statically, or to nothing,
# START_FILES to which start files they bring on ELF (ordinary or static) and
# WHY to the reason when that is static.
#
# The compiler's -static brings the start files made for static programs
# (GCC's crtbeginT.o), which register the program's frame tables with the
# unwinder as it starts. Since GCC 13 registering sorts every frame of
# libstdc++ there and then: over four fifths of a static hello's instructions.
# Linked as an ordinary executable whose libraries all come from static
# archives, the program gets the ordinary start files, which leave the tables
# to the index the linker writes (PT_GNU_EH_FRAME, or ARM's PT_ARM_EXIDX),
# read only when something throws. That way is taken where the toolchain
# links a program that throws into a static ELF file with that index, which
# catches what it throws where it can run here (natively, or with the cross
# emulator installed); else -static.
function(hello_find_static_link out start_files why)
  set(ordinary -no-pie -static-libgcc LINKER:-static LINKER:--no-dynamic-linker)
  set(${why} "this toolchain links no static program with the ordinary ones that catches \
what it throws" PARENT_SCOPE)
  set(kind static)
  if(NOT CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
    set(kind "")
  elseif(NOT CMAKE_READELF)
    set(${why} "no readelf here to check a program linked with the ordinary ones" PARENT_SCOPE)
  elseif(NOT DEFINED HELLO_ACCEPTS_STATIC_WITH_ORDINARY_START)
    set(accepted OFF)
    set(dir ${CMAKE_BINARY_DIR}/CMakeFiles/hello-static-link)
    try_compile(linked ${dir}/build SOURCES ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/probes/throw-and-catch.cpp
      LINK_OPTIONS ${ordinary} COPY_FILE ${dir}/program)
    if(linked)
      execute_process(COMMAND ${CMAKE_READELF} --program-headers --wide ${dir}/program
        OUTPUT_VARIABLE headers ERROR_QUIET)
      if(headers MATCHES " (GNU_EH_FRAME|(ARM_)?EXIDX) " AND NOT headers MATCHES "\n +(INTERP|DYNAMIC) ")
        set(failed 0)
        set(runner "")
        if(CMAKE_CROSSCOMPILING AND CMAKE_CROSSCOMPILING_EMULATOR)
          list(GET CMAKE_CROSSCOMPILING_EMULATOR 0 emulator)
          find_program(runner "${emulator}" NO_CACHE)
        endif()
        if(NOT CMAKE_CROSSCOMPILING OR runner)
          execute_process(COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} ${dir}/program
            RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
        endif()
        string(COMPARE EQUAL "${failed}" 0 accepted)
      endif()
    endif()
    set(HELLO_ACCEPTS_STATIC_WITH_ORDINARY_START ${accepted} CACHE INTERNAL
      "The toolchain links a static program with the ordinary start files")
  endif()
  set(accepted ${HELLO_ACCEPTS_STATIC_WITH_ORDINARY_START})
  hello_forget_refusal(HELLO_ACCEPTS_STATIC_WITH_ORDINARY_START)
  if(accepted)
    set(${out} ${ordinary} PARENT_SCOPE)
    set(${start_files} ordinary PARENT_SCOPE)
    return()
  endif()
  hello_check_link_option(HELLO_ACCEPTS_STATIC -static accepted)
  if(accepted)
    set(${out} -static PARENT_SCOPE)
    set(${start_files} "${kind}" PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

# Sets RESULT to whether the toolchain links a program with OPTION, caching an
# acceptance in CACHE_NAME. A refusal is not cached: its cause (static
# libraries not installed, say) may be gone by the next configure.
function(hello_check_link_option cache_name option result)
  check_linker_flag(CXX "${option}" ${cache_name})
  set(${result} ${${cache_name}} PARENT_SCOPE)
  hello_forget_refusal(${cache_name})
endfunction()

# Drops the probe result CACHE_NAME from the cache if it is a refusal.
macro(hello_forget_refusal cache_name)
  if(NOT ${cache_name})
    unset(${cache_name} CACHE)
  endif()
endmacro()

# In hello_link_for_fast_startup: adds OPTION to the target where accepted,
# else to the options left out; HARDENING names it for the binary's tests.
macro(hello_link_option_if_accepted cache_name option)
  hello_check_link_option(${cache_name} ${option} accepted)
  string(REPLACE "LINKER:" "" shown "${option}")
  string(REPLACE "," " " shown "${shown}")
  if(accepted)
    target_link_options(${target} PRIVATE ${option})
    list(APPEND applied "${shown}")
    list(APPEND hardening ${ARGN})
  else()
    list(APPEND left_out "${shown}")
  endif()
endmacro()

# Probes hold for the compiler and flags they ran with: when those change (a
# sanitizer's flags come or go, say), every probe runs again.
function(hello_forget_probes_of_other_flags)
  string(TOUPPER "${CMAKE_BUILD_TYPE}" config)
  string(MD5 flags "${CMAKE_CXX_COMPILER}|${CMAKE_SYSROOT}|${CMAKE_CXX_FLAGS}|\
${CMAKE_CXX_FLAGS_${config}}|${CMAKE_EXE_LINKER_FLAGS}|${CMAKE_EXE_LINKER_FLAGS_${config}}")
  if(NOT flags STREQUAL HELLO_PROBED_WITH)
    get_property(cached DIRECTORY PROPERTY CACHE_VARIABLES)
    list(FILTER cached INCLUDE REGEX "^HELLO_ACCEPTS_")
    foreach(probe IN LISTS cached)
      unset(${probe} CACHE)
    endforeach()
    set(HELLO_PROBED_WITH ${flags} CACHE INTERNAL "Compiler and flags of the linker probes")
  endif()
endfunction()

# `cmake --install --strip` and the packages strip with CMAKE_STRIP, and ignore
# its failure. Some strip programs cannot strip a static program (llvm-strip 14
# refuses glibc's .rela.plt), which would leave the symbols in silently: try
# CMAKE_STRIP on one, and if it fails, the GNU strip of the target's triplet.
function(hello_find_strip_for_static_programs)
  if(NOT CMAKE_STRIP)
    return()
  endif()
  set(dir ${CMAKE_BINARY_DIR}/CMakeFiles/hello-strip-check)
  file(WRITE ${dir}/main.cpp "int main() { return 0; }\n")
  try_compile(linked ${dir}/build SOURCES ${dir}/main.cpp LINK_OPTIONS -static
    COPY_FILE ${dir}/program)
  if(NOT linked)
    return()
  endif()
  find_program(HELLO_GNU_STRIP NAMES ${CMAKE_LIBRARY_ARCHITECTURE}-strip strip)
  foreach(strip IN ITEMS "${CMAKE_STRIP}" "${HELLO_GNU_STRIP}")
    file(COPY_FILE ${dir}/program ${dir}/stripped)
    execute_process(COMMAND "${strip}" ${dir}/stripped RESULT_VARIABLE failed
      OUTPUT_QUIET ERROR_QUIET)
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
