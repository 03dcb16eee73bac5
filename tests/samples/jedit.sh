#!/usr/bin/env bash
# A program that is not ours, Debian's jEdit, run as a described product on a
# private X display: copies of the launchers named jEdit beside a jEdit.cfg,
# in a folder of the test's own, and a settings folder of its own so that
# jEdit asks nothing. Its window must appear, and closing it (File > Exit,
# Ctrl+Q) must end the launcher with 0, having written nothing of its own.
#   jedit.sh WORK
# The environment names the launchers' folder (PRODUCT_DIR) and the Java
# runtime (JAVA_HOME), or, as LAUNCHER, the command of a packaged jEdit.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/shell-test.sh"

work=$1
jar=/usr/share/jedit/jedit.jar
[ -f "$jar" ] || skip "jEdit is not installed (Debian package jedit)"
require xdotool xdotool
start_private_display

rm -rf "$work"
mkdir -p "$work/settings"
command=${LAUNCHER:-$work/jEdit/jEdit}
if [ -z "${LAUNCHER:-}" ]; then
cp -r "$PRODUCT_DIR" "$work/jEdit"
cp "$work/jEdit/Tintavel64" "$work/jEdit/jEdit"
cat >"$work/jEdit/jEdit.cfg" <<EOF
# Debian's jEdit, started by the launcher
name = jEdit
version = 5.5.0
main-class = org.gjt.sp.jedit.jEdit
class-path = $jar
java-option = -Xmx512m
java-option = --add-opens=java.desktop/sun.awt=ALL-UNNAMED
argument = -nosplash
argument = -noserver
java-min = 11
EOF
fi
# Without it, a first start opens the welcome page in a window of its own.
echo "firstTime=false" >"$work/settings/properties"

# A sanitized launcher's leak check cannot stop the Java VM's threads.
(cd "$work" && ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" \
   exec "$command" "-settings=$work/settings" >out 2>err) &
launcher=$!
window=$(timeout 60 xdotool search --sync --name '^jEdit - ' | head -1) \
  || fail "no jEdit window within 60 s: $(cat "$work/out" "$work/err")"
echo "jEdit's window: $(xdotool getwindowname "$window")"
# Without a window manager the keys go where the pointer has clicked. The
# window is up a moment before jEdit takes keys: a key that came too early
# is given again.
for _ in $(seq 30); do
  sleep 1
  kill -0 "$launcher" 2>/dev/null || break
  xdotool mousemove --window "$window" 100 100 click 1 key ctrl+q 2>/dev/null || true
done
status=0
timeout 10 tail --pid="$launcher" -f /dev/null || fail "jEdit did not end after Ctrl+Q"
wait "$launcher" || status=$?
[ "$status" -eq 0 ] || fail "the launcher exited $status: $(cat "$work/out" "$work/err")"
expect_equal "standard output" "" "$(cat "$work/out")"
expect_equal "standard error" "" "$(cat "$work/err")"
echo "jEdit ran as a described product and its launcher ended with 0"
