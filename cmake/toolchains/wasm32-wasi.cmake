# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# WebAssembly with WASI (preview 1), built by Clang with Debian's wasi-libc,
# libc++-dev-wasm32 and libclang-rt-dev-wasm32 (the release's LLVM: 14 on
# Debian 12, 19 on Debian 13); the tests run the module under Node's WASI
# (Node 20 or later). -D CMAKE_CXX_COMPILER=clang++-N picks an LLVM.
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
if(CMAKE_VERSION VERSION_LESS 3.31)
  list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}) # for Platform/WASI.cmake
endif()
if(NOT CMAKE_CXX_COMPILER)
  # The newest LLVM whose libc++ for WebAssembly is installed.
  file(GLOB libcxx /usr/lib/llvm-*/lib/wasm32-wasi/libc++.a)
  list(SORT libcxx COMPARE NATURAL ORDER DESCENDING)
  list(TRANSFORM libcxx REPLACE "/lib/wasm32-wasi/libc\\+\\+\\.a$" "/bin/clang++")
  foreach(clang IN LISTS libcxx)
    if(EXISTS "${clang}")
      set(CMAKE_CXX_COMPILER "${clang}")
      break()
    endif()
  endforeach()
  if(NOT CMAKE_CXX_COMPILER)
    message(FATAL_ERROR "No Clang with a C++ library for WebAssembly is installed "
      "(Debian: apt-get install clang lld libc++-dev-wasm32 libclang-rt-dev-wasm32)")
  endif()
endif()
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# Debian's libc++abi for WebAssembly cannot throw: refuse a throw when compiling.
set(CMAKE_CXX_FLAGS_INIT -fno-exceptions)
# GNU strip cannot read a module: LLVM's own, beside the compiler.
find_program(HELLO_WASI_CXX "${CMAKE_CXX_COMPILER}")
get_filename_component(llvm_bin "${HELLO_WASI_CXX}" REALPATH)
get_filename_component(llvm_bin "${llvm_bin}" DIRECTORY)
find_program(CMAKE_STRIP llvm-strip HINTS "${llvm_bin}" NO_DEFAULT_PATH)
set(CMAKE_SYSTEM_INCLUDE_PATH /usr/include/wasm32-wasi)
set(CMAKE_SYSTEM_LIBRARY_PATH /usr/lib/wasm32-wasi)
find_program(HELLO_NODE node REQUIRED) # by path: runs with an empty environment find it
set(HELLO_EMULATOR_PACKAGE nodejs)
# The checks run the module under Node, through tests/wasi-run.sh.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../../tests/wasi-run.sh ${HELLO_NODE})
