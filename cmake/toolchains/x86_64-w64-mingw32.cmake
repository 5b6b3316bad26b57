# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Windows on x86-64 with MinGW-w64 (Debian: g++-mingw-w64-x86-64-posix); the
# tests run under wine (Debian: wine64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
find_program(HELLO_CROSS_CXX x86_64-w64-mingw32-g++-posix)
if(NOT HELLO_CROSS_CXX)
  message(FATAL_ERROR "x86_64-w64-mingw32-g++-posix is not installed (Debian: apt-get install g++-mingw-w64-x86-64-posix)")
endif()
set(CMAKE_CXX_COMPILER ${HELLO_CROSS_CXX})
set(HELLO_EMULATOR_PACKAGE wine)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
