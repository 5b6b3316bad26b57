include(CheckLinkerFlag)
include(CheckPIESupported)

# What this project knows about toolchains lives here. Every option is applied
# only where the toolchain accepts it, so that any C++ toolchain (MinGW,
# Apple's, MSVC, a cross compiler) gets at least a plain, working build, and
# configuring names in one line whatever it had to leave out.
#
# Nearly all the cost of a run of this program is the dynamic loader resolving
# libstdc++, so the default build links everything statically. Packagers who
# want the distribution's shared libraries turn HELLO_STATIC off and get a
# position-independent executable with full RELRO and immediate binding.
#
# Compiler hardening (stack protector, fortified sources) is left to the
# packager's flags: it changes no instruction of this program.
function(hello_configure_linking target)
  set(left_out)

  if(HELLO_STATIC AND MSVC)
    # The MSVC ABI takes its static runtime from a property, not from -static.
    if(NOT DEFINED CMAKE_MSVC_RUNTIME_LIBRARY)
      set_target_properties(${target} PROPERTIES
        MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
    endif()
    set(links_statically ON)
  elseif(HELLO_STATIC)
    check_linker_flag(CXX -static HELLO_LINKER_ACCEPTS_STATIC)
    set(links_statically ${HELLO_LINKER_ACCEPTS_STATIC})
    if(links_statically)
      # Plain -static, not -static-pie: a static PIE relocates itself at
      # every start, which costs more than half again as many instructions.
      target_link_options(${target} PRIVATE -static)
      # Dropping the unused parts of the static libraries saves a quarter of the file.
      hello_link_option_if_accepted(${target} LINKER:--gc-sections left_out)
      hello_find_strip_for_static_programs(left_out)
    else()
      list(APPEND left_out -static)
      message(WARNING
        "hello: no static C or C++ library found (libc6-dev, libstdc++-dev); "
        "linking dynamically instead, which makes start-up slower.")
    endif()
  endif()

  if(NOT links_statically)
    check_pie_supported(OUTPUT_VARIABLE pie_output LANGUAGES CXX)
    if(CMAKE_CXX_LINK_PIE_SUPPORTED)
      set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
    else()
      list(APPEND left_out "position-independent executable")
    endif()
  endif()
  hello_link_option_if_accepted(${target} LINKER:-z,relro left_out)
  hello_link_option_if_accepted(${target} LINKER:-z,now left_out)
  if(WIN32)
    # Without it, GNU ld stamps the link time into a Windows program's header.
    hello_link_option_if_accepted(${target} LINKER:--no-insert-timestamp left_out)
  endif()

  if(left_out)
    list(JOIN left_out ", " left_out)
    string(REPLACE "LINKER:" "" left_out "${left_out}")
    message(STATUS "hello: left out what this toolchain does not accept: ${left_out}")
  endif()
  set(HELLO_LINKS_STATICALLY ${links_statically} PARENT_SCOPE)
endfunction()

# Adds linker option FLAG to TARGET where the toolchain accepts it; otherwise
# appends it to the list named LIST_NAME in the caller's scope.
function(hello_link_option_if_accepted target flag list_name)
  string(MAKE_C_IDENTIFIER "HELLO_LINKER_ACCEPTS_${flag}" accepted)
  check_linker_flag(CXX "${flag}" ${accepted})
  if(${accepted})
    target_link_options(${target} PRIVATE "${flag}")
  else()
    set(${list_name} ${${list_name}} "${flag}" PARENT_SCOPE)
  endif()
endfunction()

# `cmake --install --strip` and packages strip with CMAKE_STRIP, and ignore its
# failure. Some strip programs cannot strip a static program (llvm-strip 14
# refuses glibc's .rela.plt), which would leave the symbols in silently: try
# CMAKE_STRIP on one, and if it fails, the GNU strip of the target's triplet.
# Appends "strip" to the list named LIST_NAME if no strip program works.
function(hello_find_strip_for_static_programs list_name)
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
  set(${list_name} ${${list_name}} strip PARENT_SCOPE)
endfunction()
