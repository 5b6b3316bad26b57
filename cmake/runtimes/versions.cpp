// SPDX-FileCopyrightText: 2026 The hello-cxx developers
// SPDX-License-Identifier: MIT
// Built, never run: the runtime libraries this toolchain links into a program,
// in the versions their headers report, as strings CMake reads from the file.
// libstdc++'s threads layer brings in winpthreads' header where built on it.
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
#if defined(__GLIBC__)
    HELLO_RUNTIME("glibc", HELLO_VALUE(__GLIBC__) "." HELLO_VALUE(__GLIBC_MINOR__)),
#endif
// In GCC's version; another compiler tells only the major version of its GCC.
#if defined(__GLIBCXX__) && !defined(__clang__)
    HELLO_RUNTIME("libstdc++", HELLO_DOTTED(__GNUC__, __GNUC_MINOR__, __GNUC_PATCHLEVEL__)),
#elif defined(_GLIBCXX_RELEASE)
    HELLO_RUNTIME("libstdc++", HELLO_VALUE(_GLIBCXX_RELEASE)),
#endif
// In the version of the Clang it comes with.
#if defined(_LIBCPP_VERSION)
    HELLO_RUNTIME("libc++", HELLO_DOTTED(__clang_major__, __clang_minor__, __clang_patchlevel__)),
#endif
#if defined(__MINGW64_VERSION_STR)
    HELLO_RUNTIME("mingw-w64", __MINGW64_VERSION_STR),
#endif
#if defined(__WINPTHREADS_VERSION_MAJOR)
    HELLO_RUNTIME("winpthreads",
                  HELLO_DOTTED(__WINPTHREADS_VERSION_MAJOR, __WINPTHREADS_VERSION_MINOR,
                               __WINPTHREADS_VERSION_PATCHLEVEL)),
#endif
#if defined(__wasi__) // wasi-libc has no version macro.
    HELLO_RUNTIME("wasi-libc", ""),
#endif
    "",
};

int main(int argc, char ** /*argv*/) { return argc > 99 ? hello_runtimes[0][0] : 0; }
