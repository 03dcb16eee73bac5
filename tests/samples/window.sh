#!/usr/bin/env bash
# The sample product's window on a private X display, started as a user
# would, from a folder of its own, with look-and-feel switches: it must
# report the look and feel that the switches name (never a fallback) and how
# its window is framed, write nothing on standard error, and leave its
# picture, WORK/window.png.
#   window.sh WORK LOOK DECORATIONS [--frame-differs-from PICTURE] [SWITCH...]
# LOOK is the report's line after "Look and feel: ", DECORATIONS its line
# after "Window decorations: ". With --frame-differs-from, the window's top
# rows, where a skin draws its title bar and the report's first lines stand
# otherwise, must look different from that picture's. The environment names the program (LAUNCHER),
# the Java runtime (JAVA_HOME) and what compares pictures (see shell-test.sh).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/shell-test.sh"

work=$1 look=$2 decorations=$3
shift 3
other=""
if [ "${1:-}" = --frame-differs-from ]; then
  other=$2
  shift 2
fi

start_private_display
rm -rf "$work"
mkdir -p "$work"
# A sanitized launcher's leak check cannot stop the Java VM's threads.
status=0
(cd "$work" && MIROBANTH_SILENT=1 ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" \
   "$LAUNCHER" "$@" --window --snapshot=window.png >out 2>err) || status=$?
[ "$status" -eq 0 ] || fail "$LAUNCHER $* exited $status: $(cat "$work/out" "$work/err")"
# The Java runtime's own notice that its security manager is deprecated is
# no error of the product's.
expect_equal "standard error" "" "$(grep -v '^WARNING: .*Security Manager' "$work/err" || true)"
expect_equal "what the window reports" \
  "Look and feel: $look"$'\n'"Window decorations: $decorations" \
  "$(grep -E '^(Look and feel|Window decorations): ' "$work/out")"
[ -s "$work/window.png" ] || fail "no picture of the window in $work"
if [ -n "$other" ]; then
  compare_pictures different "$other" "$work/window.png" 24 \
    || fail "the switches $* change nothing in the window's frame"
fi
echo "$LAUNCHER $*: $look, $decorations"
