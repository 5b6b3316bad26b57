// SPDX-FileCopyrightText: 2026 The hello-cxx developers
// SPDX-License-Identifier: MIT
#include <cstdlib>
#include <iostream>

#if __has_include(<unistd.h>)
#include <unistd.h>
#else
#include <io.h> // Windows without a POSIX layer
#endif

int main()
{
    std::cout << "Hello World!\n";
    // Flush here rather than leave it to exit, so that a write refused by
    // standard output (closed, full, no reader) is seen and reported in the
    // exit status instead of being lost after main has returned success.
    std::cout.flush();
    if (!std::cout) {
        return EXIT_FAILURE;
    }
    // Network and user-space file systems may report a failed write only when
    // the file is closed. Close the descriptor, not the stream: the runtime
    // flushes std::cout again at exit, which then finds it open and empty.
#if __has_include(<unistd.h>)
    const int closed = close(STDOUT_FILENO);
#else
    const int closed = _close(1);
#endif
    return closed == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
