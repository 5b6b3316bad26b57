# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Decisions that belong to whoever builds hello on its own. A parent project
# that adds hello with add_subdirectory or FetchContent keeps its own build
# type, BUILD_TESTING, strip program and packaging.

option(HELLO_DEVELOPER_MODE
  "Also register the project's own checks: lint, configure, packages, mutants, benchmark" OFF)

if(NOT PROJECT_IS_TOP_LEVEL)
  if(HELLO_DEVELOPER_MODE)
    message(AUTHOR_WARNING "HELLO_DEVELOPER_MODE is meant for a build of hello on its own")
  endif()
  return()
endif()

option(BUILD_TESTING "Build the test suite" ON)
if(BUILD_TESTING)
  enable_testing()
endif()

# A plain build should give the optimised program users run, unless the
# builder's own CXXFLAGS say how to compile: a default build type's flags
# would come after theirs and override them.
get_property(multi_config GLOBAL PROPERTY GENERATOR_IS_MULTI_CONFIG)
if(multi_config)
  # `cmake --build` then builds what `cmake --install` installs by default.
  if(CMAKE_GENERATOR STREQUAL "Ninja Multi-Config" AND NOT CMAKE_DEFAULT_BUILD_TYPE)
    set(CMAKE_DEFAULT_BUILD_TYPE Release CACHE STRING "Configuration built by default")
  endif()
elseif(NOT CMAKE_BUILD_TYPE)
  # The builder's own flags: CXXFLAGS, or CMAKE_CXX_FLAGS other than the
  # toolchain's own (which CMake starts from CXXFLAGS and the toolchain file).
  string(STRIP "${CMAKE_CXX_FLAGS}" flags)
  string(STRIP "${CMAKE_CXX_FLAGS_INIT}" toolchain_flags)
  if(NOT "$ENV{CXXFLAGS}" STREQUAL "" OR NOT flags STREQUAL toolchain_flags)
    message(STATUS "hello: no build type given; compiling with your flags alone: ${flags}")
  else()
    set(CMAKE_BUILD_TYPE Release CACHE STRING "Build type" FORCE)
    message(STATUS "hello: no build type given; building Release")
  endif()
endif()
