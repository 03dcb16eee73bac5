#!/usr/bin/env bash
# The launcher's alert on a display that answers, a private Xvfb: the box
# (xmessage) stays for as long as the user takes, well past the seconds
# within which the display had to answer; the test then answers it by ending
# xmessage, and the launcher ends.
#   alert-waits-for-the-user.sh
# The environment names the launcher (LAUNCHER) and the Java runtime (JAVA_HOME).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/shell-test.sh"

require xmessage x11-utils
start_private_display
work=$(mktemp -d)
launcher=""
trap 'kill $launcher "$XVFB_PID" 2>/dev/null || true; rm -rf "$work"' EXIT
# The only dialog program on PATH.
mkdir "$work/bin"
ln -s "$(command -v xmessage)" "$work/bin/xmessage"

PATH=$work/bin MIROBANTH_SILENT=1 MIROBANTH_CLASSPATH=-Djava.class.path=$work/missing \
  ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" "$LAUNCHER" >"$work/out" 2>"$work/err" &
launcher=$!
sleep 8
box=$(pgrep -P "$launcher" -x xmessage) \
  || fail "no box 8 s after the start: $(cat "$work/out" "$work/err")"
kill "$box"
status=0
wait "$launcher" || status=$?
launcher=""
[ "$status" -eq 1 ] || fail "$LAUNCHER exited $status: $(cat "$work/err")"
expect_equal "the last line on standard error" "Tintavel Alert: Class not found" \
  "$(tail -n 1 "$work/err")"
echo "the box stayed until it was answered"
