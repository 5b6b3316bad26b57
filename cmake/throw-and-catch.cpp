// SPDX-FileCopyrightText: 2026 The hello-cxx developers
// SPDX-License-Identifier: MIT
// Exits with status 0 only if the unwinder finds the frame tables of the
// program, linked the way the probe tries: it throws and must catch.
int main(int argc, char **)
{
    try {
        if (argc > 0) {
            throw argc;
        }
    }
    catch (int thrown) {
        return thrown == argc ? 0 : 1;
    }
    return 1;
}
