#!/usr/bin/env bash
# Runs one program of a Windows build under Wine and returns its exit status:
#   run-under-wine.sh PREFIX ARCH PROGRAM.exe [ARGUMENT...]
# PREFIX is the Wine prefix of the build folder, made on first use; ARCH is
# win64 or win32. CMake names this script as the build's cross-compiling
# emulator, so every test program and every discovery run comes through here.
#
# What a test run must never do is wait for a person: the crash dialog is
# switched off in the prefix, and every run has a time limit
# (MIROBANTH_WINE_TIMEOUT seconds, 300 by default). A program that needs a
# display (message boxes) gets a private Xvfb when MIROBANTH_WINE_DISPLAY is
# set, in a prefix of its own (PREFIX-desktop): Wine's desktop belongs to a
# prefix, and in the prefix without a display a message box fails at once
# instead of waiting for an answer that nobody gives.
set -euo pipefail
[ $# -ge 3 ] || { echo "usage: $0 PREFIX win64|win32 PROGRAM [ARGUMENT...]" >&2; exit 2; }
prefix=$1 arch=$2
shift 2
source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"

unset DISPLAY WAYLAND_DISPLAY
if [ -n "${MIROBANTH_WINE_DISPLAY:-}" ]; then
  prefix=$prefix-desktop
  wine_session_display "$prefix"
fi
wine_session_start "$prefix" "$arch"
status=0
timeout --kill-after=10 "${MIROBANTH_WINE_TIMEOUT:-300}" "$WINELOADER" "$@" || status=$?
exit "$status"
