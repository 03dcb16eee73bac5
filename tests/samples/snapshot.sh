#!/usr/bin/env bash
# The sample's --snapshot=FILE where the picture cannot be written, on a
# private X display; the launcher must exit non-zero and say why.
#   snapshot.sh folder     FILE is a folder: it is refused, naming it, and
#                          stays as it was
#   snapshot.sh full-disk  FILE lies on a full disk (a small tmpfs in a mount
#                          namespace of the test's own): the old FILE stays
#                          intact and no temporary file is left beside it
# The environment names the program (LAUNCHER) and the Java runtime (JAVA_HOME).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/shell-test.sh"

case=$1
# The full disk is mounted in a namespace of its own, never over the caller's:
# the script starts itself again there, telling it where it came from.
namespace=$(readlink /proc/self/ns/mnt)
if [ "$case" = full-disk ] && [ "${2:-}" != --from-namespace ]; then
  reason=$(unshare --mount true 2>&1) || skip "cannot make a mount namespace: ${reason:-unshare failed}"
  exec unshare --mount --propagation private -- "$BASH" "$0" "$case" --from-namespace "$namespace"
fi
[ "$case" != full-disk ] || [ "$3" != "$namespace" ] || fail "still in the caller's mount namespace"

start_private_display
work=$(mktemp -d) logs=$(mktemp -d)
trap 'kill "$XVFB_PID" 2>/dev/null || true; umount "$work" 2>/dev/null || true; rm -rf "$work" "$logs"' EXIT
if [ "$case" = folder ]; then
  mkdir "$work/window.png"
  expected_error="it is a folder"
else
  reason=$(mount -t tmpfs -o size=256k tmpfs "$work" 2>&1) || skip "cannot mount a small tmpfs: $reason"
  echo "the old picture" >"$work/window.png"
  dd if=/dev/zero of="$work/filler" bs=4096 2>/dev/null || true  # until the disk is full
  expected_error="No space left on device"
fi
before=$(ls -lA --time-style=+ "$work"; cat "$work/window.png" 2>/dev/null || true)

status=0
(cd "$work" && MIROBANTH_SILENT=1 ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" \
   "$LAUNCHER" --window --snapshot=window.png >"$logs/out" 2>"$logs/err") || status=$?
[ "$status" -ne 0 ] || fail "the launcher exited 0 though the picture could not be written"
expect_equal "standard error" "Tintavel: cannot write window.png: $expected_error" "$(cat "$logs/err")"
expect_equal "the folder and FILE" "$before" \
  "$(ls -lA --time-style=+ "$work"; cat "$work/window.png" 2>/dev/null || true)"
echo "$case: refused with status $status, window.png as it was"
