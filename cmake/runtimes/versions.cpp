// SPDX-FileCopyrightText: 2026 The hello-cxx developers
// SPDX-License-Identifier: MIT
// Built, never run: the runtime libraries this toolchain links into a program, in the versions
// their headers report, as strings CMake reads from the file. A runtime that is not there leaves
// its macros' names, which CMake drops. libstdc++'s threads layer brings in winpthreads' header.
#include <cstdio>
#if __has_include(<bits/gthr.h>)
#include <bits/gthr.h>
#endif

#define HELLO_TEXT(x) #x
#define HELLO_VALUE(x) HELLO_TEXT(x)
#define HELLO_DOTTED(a, b, c) HELLO_VALUE(a) "." HELLO_VALUE(b) "." HELLO_VALUE(c)
#define HELLO_RUNTIME(name, version) "HELLO_RUNTIME[" name "=" version "]"

// Not const: an object that another file could change stays, whole, in the program.
const char *hello_runtimes[] = {
    HELLO_RUNTIME("glibc", HELLO_VALUE(__GLIBC__) "." HELLO_VALUE(__GLIBC_MINOR__)),
// In GCC's version; another compiler tells only the major version of its GCC.
#if defined(__GLIBCXX__) && !defined(__clang__)
    HELLO_RUNTIME("libstdc++", HELLO_DOTTED(__GNUC__, __GNUC_MINOR__, __GNUC_PATCHLEVEL__)),
#else
    HELLO_RUNTIME("libstdc++", HELLO_VALUE(_GLIBCXX_RELEASE)),
#endif
#if defined(_LIBCPP_VERSION) // In the version of the Clang it comes with.
    HELLO_RUNTIME("libc++", HELLO_DOTTED(__clang_major__, __clang_minor__, __clang_patchlevel__)),
#endif
    HELLO_RUNTIME("mingw-w64", HELLO_DOTTED(__MINGW64_VERSION_MAJOR, __MINGW64_VERSION_MINOR,
                                            __MINGW64_VERSION_BUGFIX)),
    HELLO_RUNTIME("winpthreads",
                  HELLO_DOTTED(__WINPTHREADS_VERSION_MAJOR, __WINPTHREADS_VERSION_MINOR,
                               __WINPTHREADS_VERSION_PATCHLEVEL)),
#if defined(__wasi__) // wasi-libc has no version macro.
    HELLO_RUNTIME("wasi-libc", ""),
#endif
};

int main(int argc, char ** /*argv*/) { return argc > 99 ? hello_runtimes[0][0] : 0; }
