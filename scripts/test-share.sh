#!/usr/bin/env bash
# The lines a change adds to the tests and to the code (C, C++ and Java), and
# their ratio; the goal is tests of a quarter to a third of the code.
#   scripts/test-share.sh [BASE]    BASE: a commit (default: where HEAD left main)
# The change is everything from BASE to the working tree, uncommitted edits
# included (new files once they are added to the index). Tests are the files
# under tests/; code is every other source.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

base=${1:-$(git merge-base HEAD main)}
git diff --numstat "$base" -- | awk '
  $3 ~ /\.(c|cc|cpp|h|hpp|java)$/ {
    if ($3 ~ /^tests\//) { tests += $1; testsRemoved += $2 } else { code += $1; codeRemoved += $2 }
  }
  END {
    printf "tests: %d lines added, %d removed\n", tests, testsRemoved
    printf "code:  %d lines added, %d removed\n", code, codeRemoved
    if (code > 0) printf "share: %d%% of the code added (goal: at most 33%%)\n", 100 * tests / code
    else print "share: no code added"
  }'
