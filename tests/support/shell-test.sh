# shellcheck shell=bash
# What the shell tests share: failing, skipping, comparing, a private X
# display. Sourced, not run.

# fail MESSAGE...: ends the test as failed.
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# skip REASON...: ends the test as skipped; ctest knows the status 77 as
# SKIP_RETURN_CODE of every shell test.
skip() {
  echo "SKIP: $*"
  exit 77
}

# require PROGRAM PACKAGE: skips the test where a tool it needs is missing.
require() {
  command -v "$1" >/dev/null || skip "$1 is not installed (Debian package $2)"
}

# expect_equal WHAT EXPECTED ACTUAL: fails with the lines that differ.
expect_equal() {
  if [ "$2" != "$3" ]; then
    fail "$1 differs (< expected, > found):"$'\n'"$(diff <(printf '%s\n' "$2") <(printf '%s\n' "$3"))"
  fi
}

# start_private_display: a private Xvfb for this test, which ends with the
# test's shell; DISPLAY names it. Xvfb picks a free display number itself,
# so tests running at once never meet. It never resets: a server that resets
# when its last client leaves refuses the next one for a moment, and the
# launcher's probe of the display is often that last client.
start_private_display() {
  require Xvfb xvfb
  local fifo number
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1024x768x24 3>"$fifo" </dev/null >/dev/null 2>&1 &
  XVFB_PID=$!
  trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT
  read -r -t 20 number <"$fifo" || { rm -f "$fifo"; fail "Xvfb did not start"; }
  rm -f "$fifo"
  export DISPLAY=":$number"
  unset WAYLAND_DISPLAY
}

# compare_pictures same|different A B: whether two PNG pictures show the same
# pixels, with the Java program the environment names (JAVA, COMPARE_PICTURES_JAR).
compare_pictures() {
  "$JAVA" -cp "$COMPARE_PICTURES_JAR" com.mirobanth.tests.ComparePictures "$@"
}
