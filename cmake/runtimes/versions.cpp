// SPDX-FileCopyrightText: 2026 The hello-cxx developers
// SPDX-License-Identifier: MIT
// Built, never run: the versions of the runtime libraries this toolchain links
// into a program, as strings that CMake reads from the executable.
// A light header brings in each runtime's configuration; libstdc++'s threads
// layer brings in winpthreads' where it is built on it.
#include <cstdio>
#if __has_include(<bits/gthr.h>)
#include <bits/gthr.h>
#endif

#define HELLO_TEXT(x) #x
#define HELLO_VALUE(x) HELLO_TEXT(x)
#define HELLO_RUNTIME(name, version) "HELLO_RUNTIME[" name "=" version "]"

// Not const: an object that another file could change stays, whole, in the program.
const char *hello_runtimes[] = {
#if defined(__GLIBC__)
    HELLO_RUNTIME("glibc", HELLO_VALUE(__GLIBC__) "." HELLO_VALUE(__GLIBC_MINOR__)),
#endif
// libstdc++ and libgcc come with GCC, in GCC's version; another compiler
// that uses them tells only the major version of the GCC they come from.
#if defined(__GLIBCXX__) && defined(__GNUC__) && !defined(__clang__)
    HELLO_RUNTIME("libstdc++", HELLO_VALUE(__GNUC__) "." HELLO_VALUE(
                                   __GNUC_MINOR__) "." HELLO_VALUE(__GNUC_PATCHLEVEL__)),
#elif defined(_GLIBCXX_RELEASE)
    HELLO_RUNTIME("libstdc++", HELLO_VALUE(_GLIBCXX_RELEASE)),
#endif
#if defined(_LIBCPP_VERSION)
    HELLO_RUNTIME("libc++", HELLO_VALUE(_LIBCPP_VERSION)),
#endif
#if defined(__MINGW64_VERSION_STR)
    HELLO_RUNTIME("mingw-w64", __MINGW64_VERSION_STR),
#endif
// Linked where GCC's threads are POSIX ones (the -posix MinGW compilers).
#if defined(__WINPTHREADS_VERSION_MAJOR)
    HELLO_RUNTIME(
        "winpthreads",
        HELLO_VALUE(__WINPTHREADS_VERSION_MAJOR) "." HELLO_VALUE(
            __WINPTHREADS_VERSION_MINOR) "." HELLO_VALUE(__WINPTHREADS_VERSION_PATCHLEVEL)),
#endif
// wasi-libc has no version macro.
#if defined(__wasi__)
    HELLO_RUNTIME("wasi-libc", ""),
#endif
    "",
};

int main(int argc, char ** /*argv*/) { return argc > 99 ? hello_runtimes[0][0] : 0; }
