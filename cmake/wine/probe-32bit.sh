#!/usr/bin/env bash
# Tells whether this machine can execute 32-bit programs, which the 32-bit
# Windows build's tests need (Wine's 32-bit loader is one). Exits 0 when it
# can; otherwise prints the reason on one line and exits 1.
#
# MIROBANTH_RUN_32BIT decides instead of the probe: "no" gives the "cannot"
# answer on any machine (so that both answers can be tried anywhere), "yes"
# the "can" answer without probing (scripts/run-tests.sh probes once per run
# and hands its answer on that way).
set -uo pipefail
reason="this machine cannot execute 32-bit programs"
case "${MIROBANTH_RUN_32BIT:-}" in
  no) echo "$reason (MIROBANTH_RUN_32BIT=no)"; exit 1 ;;
  yes) exit 0 ;;
esac
loader=/usr/lib/wine/wine
if [ ! -e "$loader" ]; then
  echo "the 32-bit Wine loader is not installed ($loader, package wine32:i386)"
  exit 1
fi
# Where the kernel cannot execute 32-bit programs, the 32-bit loader fails
# with "Exec format error" before it prints anything.
if "$loader" --version >/dev/null 2>&1; then
  exit 0
fi
echo "$reason"
exit 1
