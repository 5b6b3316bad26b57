// SPDX-FileCopyrightText: 2026 The hello-cxx developers
// SPDX-License-Identifier: MIT
// Exits 0 only if the unwinder finds the frame tables of the program, linked as the probe tries.
int main(int argc, char ** /*argv*/)
{
    try {
        throw argc;
    }
    catch (int thrown) {
        return thrown == argc ? 0 : 1;
    }
}
