#include <cstdlib>
#include <iostream>

int main()
{
    std::cout << "Hello World!\n";
    // Flush here rather than leave it to exit, so that a write refused by
    // standard output (closed, full, no reader) is seen and reported in the
    // exit status instead of being lost after main has returned success.
    std::cout.flush();
    return std::cout ? EXIT_SUCCESS : EXIT_FAILURE;
}
