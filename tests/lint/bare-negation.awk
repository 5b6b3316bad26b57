# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Finds lines of bats and bash files that start with `!` and assert nothing:
# bash's errexit ignores a negated command, so under bats `! grep x file` in
# the middle of a case passes whatever grep finds. Such a line must go on with
# `||`, or end a function, whose status it then is.
#   awk -f bare-negation.awk FILE...
FNR == 1 && pending != "" { print pending; found = 1; pending = "" }
pending != "" && $0 !~ /^[ \t]*}/ { print pending; found = 1 }
{ pending = "" }
/^[ \t]*! / && $0 !~ /\|\|/ { pending = "finding: " FILENAME ":" FNR ": " $0 }
END { if (pending != "") { print pending; found = 1 } exit found }
