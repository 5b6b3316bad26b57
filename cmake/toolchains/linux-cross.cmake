# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Linux on another processor with Debian's cross GCC (g++-TRIPLET); the tests
# run under qemu's user-mode emulation (Debian: qemu-user). One file serves
# every triplet: give it as -D HELLO_TARGET_TRIPLET=arm-linux-gnueabihf (the
# presets do) or in the environment variable of the same name.
if(NOT HELLO_TARGET_TRIPLET)
  set(HELLO_TARGET_TRIPLET "$ENV{HELLO_TARGET_TRIPLET}")
endif()
if(NOT HELLO_TARGET_TRIPLET MATCHES "^([a-z0-9_]+)-linux-gnu[a-z0-9]*$")
  message(FATAL_ERROR "linux-cross.cmake: set HELLO_TARGET_TRIPLET to a Debian "
    "cross triplet such as aarch64-linux-gnu (got '${HELLO_TARGET_TRIPLET}')")
endif()
set(hello_cpu ${CMAKE_MATCH_1})
# The processor as `uname -m` names it there, which also tells armel's
# packages from armhf's, where it is not the triplet's.
set(names arm-linux-gnueabihf=armv7l arm-linux-gnueabi=armv5tel mipsel-linux-gnu=mips
  mips64el-linux-gnuabi64=mips64 powerpc64le-linux-gnu=ppc64le)
string(REGEX MATCH "(^|;)${HELLO_TARGET_TRIPLET}=([^;]*)" hello_processor "${names}")
set(hello_processor ${CMAKE_MATCH_2})
if(NOT hello_processor)
  set(hello_processor ${hello_cpu})
endif()
# Cached, so that a reconfigure without it still targets the same machine;
# listed, so that every try_compile reads this file with the same triplet.
set(HELLO_TARGET_TRIPLET ${HELLO_TARGET_TRIPLET} CACHE STRING "Debian triplet of the target")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES HELLO_TARGET_TRIPLET)

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${hello_processor})
string(REPLACE "_" "-" hello_package_triplet ${HELLO_TARGET_TRIPLET})
find_program(HELLO_CROSS_CXX ${HELLO_TARGET_TRIPLET}-g++)
if(NOT HELLO_CROSS_CXX)
  message(FATAL_ERROR "${HELLO_TARGET_TRIPLET}-g++ is not installed (Debian: apt-get install g++-${hello_package_triplet})")
endif()
set(CMAKE_CXX_COMPILER ${HELLO_CROSS_CXX})
set(HELLO_EMULATOR_PACKAGE qemu-user)
# qemu names some processors otherwise: i686 is i386, powerpc64le ppc64le.
string(REGEX REPLACE "^i[3-6]86$" i386 hello_qemu_cpu ${hello_cpu})
string(REGEX REPLACE "^powerpc" ppc hello_qemu_cpu ${hello_qemu_cpu})
# -L: a dynamic build finds its loader and libraries in the cross root.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${hello_qemu_cpu} -L /usr/${HELLO_TARGET_TRIPLET})
