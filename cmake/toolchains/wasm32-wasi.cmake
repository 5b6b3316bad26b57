# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# WebAssembly with WASI (preview 1), built by Clang 14 with Debian's wasi-libc,
# libc++-14-dev-wasm32, libc++abi-14-dev-wasm32 and libclang-rt-14-dev-wasm32;
# the tests run the module under Node's built-in WASI (Node 20 or later).
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
if(CMAKE_VERSION VERSION_LESS 3.31)
  list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}) # for Platform/WASI.cmake
endif()
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# Debian's libc++abi for WebAssembly cannot throw (no __cxa_throw): refuse a
# throw when compiling rather than when linking.
set(CMAKE_CXX_FLAGS_INIT -fno-exceptions)
# GNU strip cannot read a module.
set(CMAKE_STRIP llvm-strip-14 CACHE FILEPATH "Program that strips the installed files")
# Debian keeps WASI's headers and libraries beside the host's, by triplet:
# find_path and find_library look there and nowhere else.
set(CMAKE_SYSTEM_INCLUDE_PATH /usr/include/wasm32-wasi)
set(CMAKE_SYSTEM_LIBRARY_PATH /usr/lib/wasm32-wasi)

# By absolute path, so that a run with an empty environment finds Node.
find_program(HELLO_NODE node REQUIRED)
set(HELLO_EMULATOR_PACKAGE nodejs)
set(CMAKE_CROSSCOMPILING_EMULATOR ${HELLO_NODE} ${CMAKE_CURRENT_LIST_DIR}/wasi-run.mjs)
