// SPDX-FileCopyrightText: 2026 The hello-cxx developers
// SPDX-License-Identifier: MIT
// Runs PROGRAM RUNS times, its output sent to /dev/null, and prints the median
// of the minor page faults each run took, as the kernel counts them for a
// waited-for child: page-faults RUNS PROGRAM [ARGS...]
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

static int by_count(const void *a, const void *b)
{
    const long x = *(const long *)a;
    const long y = *(const long *)b;
    return (x > y) - (x < y);
}

int main(int argc, char **argv)
{
    const int runs = argc > 2 ? atoi(argv[1]) : 0;
    long *faults = runs > 0 ? calloc((size_t)runs, sizeof *faults) : NULL;
    if (faults == NULL) {
        fputs("usage: page-faults RUNS PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    for (int run = 0; run < runs; ++run) {
        const pid_t child = fork();
        if (child == 0) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            execv(argv[2], argv + 2);
            _exit(127);
        }
        int status = 0;
        struct rusage usage;
        if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
            WEXITSTATUS(status) == 127) {
            fprintf(stderr, "page-faults: %s did not run\n", argv[2]);
            return 1;
        }
        faults[run] = usage.ru_minflt;
    }
    qsort(faults, (size_t)runs, sizeof *faults, by_count);
    printf("%ld\n", faults[runs / 2]);
    return 0;
}
