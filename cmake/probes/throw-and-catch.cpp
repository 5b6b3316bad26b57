// SPDX-FileCopyrightText: 2026 The hello-cxx developers
// SPDX-License-Identifier: MIT
// Links the libraries hello links and unwinds through them: a program linked
// some way runs this correctly only if its unwinder finds the frame tables.
#include <iostream>
#include <stdexcept>

int main(int argc, char **)
{
    try {
        if (argc > 0) {
            throw std::runtime_error("thrown");
        }
    }
    catch (const std::exception &) {
        std::cout << "caught\n";
        return 0;
    }
    return 1;
}
