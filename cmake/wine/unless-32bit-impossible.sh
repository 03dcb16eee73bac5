#!/usr/bin/env bash
# Runs a command of a Windows build's test unless it needs 32-bit programs
# that this machine cannot execute:
#   unless-32bit-impossible.sh win64|win32 COMMAND [ARGUMENT...]
# Then it prints "Not run: " and the reason, which ctest reports as skipped.
set -uo pipefail
arch=$1
shift
if [ "$arch" = win32 ] && ! reason=$("$(dirname "${BASH_SOURCE[0]}")/probe-32bit.sh"); then
  echo "Not run: $reason"
  exit 0
fi
exec "$@"
