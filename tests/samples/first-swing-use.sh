#!/usr/bin/env bash
# A program whose first use of Swing is on its own main thread or on the
# event thread, started with a skin switch on a private X display. It must
# end within the time limit: on the event thread with the skin, on its own
# thread with the system look and feel and one line on standard error that
# names the skin and why.
#   first-swing-use.sh THREAD SWITCH SKIN
# THREAD is main or event, SKIN the report's look-and-feel line for the
# skin. The environment names the launcher host (HOST), the class path
# (MIROBANTH_CLASSPATH) and the Java runtime (JAVA_HOME).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/shell-test.sh"

thread=$1 switch=$2 skin=$3
start_private_display
work=$(mktemp -d)
trap 'kill "$XVFB_PID" 2>/dev/null || true; rm -rf "$work"' EXIT

status=0
MIROBANTH_SILENT=1 ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" timeout 30 \
  "$HOST" launch JavaTests com/mirobanth/tests/FirstSwingUse "$switch" "$thread" \
  >"$work/out" 2>"$work/err" || status=$?
[ "$status" -ne 124 ] || fail "$switch with Swing first used on $thread: still running after 30 s"
[ "$status" -eq 0 ] || fail "$switch $thread exited $status: $(cat "$work/out" "$work/err")"

system=$(sed -n 's/^System look and feel: //p' "$work/out")
in_effect=$(sed -n 's/^Look and feel: //p' "$work/out")
if [ "$thread" = event ]; then
  expect_equal "the look and feel" "$skin" "$in_effect"
  expect_equal "standard error" "" "$(cat "$work/err")"
else
  expect_equal "the look and feel's class" "($system)" "${in_effect##* }"
  expect_equal "standard error" "$skin: Swing was first used on thread \"main\", which keeps the \
event thread from setting the skin up; using $system instead" "$(cat "$work/err")"
fi
echo "$switch, Swing first used on $thread: $in_effect"
