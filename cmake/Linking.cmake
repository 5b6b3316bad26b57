include(CheckCXXSourceCompiles)
include(CheckPIESupported)

# Nearly all the cost of a run of this program is the dynamic loader resolving
# libstdc++, so the default build links everything statically. Packagers who
# want the distribution's shared libraries turn HELLO_STATIC off and get a
# position-independent executable with full RELRO instead.
function(hello_configure_linking target)
  # Stack protector and fortified sources cost nothing measurable here.
  # glibc refuses to fortify unoptimised code, hence the generator expression;
  # -U first, as some compilers define _FORTIFY_SOURCE themselves.
  target_compile_options(${target} PRIVATE -fstack-protector-strong
    $<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2>)
  target_link_options(${target} PRIVATE LINKER:-z,relro,-z,now)

  if(HELLO_STATIC)
    set(CMAKE_REQUIRED_LINK_OPTIONS -static)
    check_cxx_source_compiles(
      "#include <iostream>\nint main() { std::cout << 1; }" HELLO_CAN_LINK_STATIC)
    unset(CMAKE_REQUIRED_LINK_OPTIONS)
    if(HELLO_CAN_LINK_STATIC)
      # Plain -static, not -static-pie: a static PIE relocates itself at
      # every start, which costs more than half again as many instructions.
      # Dropping the unused parts of the static libraries saves a quarter of the file.
      target_link_options(${target} PRIVATE -static LINKER:--gc-sections)
      set(HELLO_LINKS_STATICALLY ON PARENT_SCOPE)
      return()
    endif()
    message(WARNING
      "hello: no static C or C++ library found (libc6-dev, libstdc++-dev); "
      "linking dynamically instead, which makes start-up slower.")
  endif()

  set(HELLO_LINKS_STATICALLY OFF PARENT_SCOPE)
  check_pie_supported(LANGUAGES CXX)
  set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
endfunction()
