#!/usr/bin/env bash
# The emulator of a 32-bit Windows build's GoogleTest program NAME:
#   gtest-unless-32bit-impossible.sh NAME COMMAND [ARGUMENT...]
# COMMAND runs the program under Wine. Where this machine cannot execute
# 32-bit programs the program is not run: asked for its tests it lists the one
# test NAME.NotRun, in GoogleTest's listing, and run it prints "Not run: " and
# the reason, which ctest reports as skipped.
set -uo pipefail
name=$1
shift
if reason=$("$(dirname "${BASH_SOURCE[0]}")/probe-32bit.sh"); then
  exec "$@"
fi
for argument in "$@"; do
  if [ "$argument" = --gtest_list_tests ]; then
    printf '%s.\n  NotRun\n' "$name"
    exit 0
  fi
done
echo "Not run: $reason"
