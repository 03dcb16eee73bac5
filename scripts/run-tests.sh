#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   scripts/run-tests.sh [PRESET...]    (default: linux)
# The Linux presets run their tests natively; the Windows presets (mingw64,
# mingw32) cross-build with MinGW-w64 and run every test program under Wine;
# the 32-bit one's tests only where this machine can execute 32-bit programs.
# Elsewhere ctest reports them as skipped, and the last line here says why.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(linux)

for preset in "${presets[@]}"; do
  # shellcheck disable=SC2046
  ensure_packages $(packages_for_preset "$preset")
done

not_run=()
for preset in "${presets[@]}"; do
  echo "=== $preset ==="
  build_preset "$preset"
  (cd "$MIROBANTH_ROOT" && ctest --preset "$preset" --parallel "$(nproc)")
  if [ "$preset" = mingw32 ] && ! reason=$("$MIROBANTH_ROOT/cmake/wine/probe-32bit.sh"); then
    not_run+=("$preset: built, tests not run: $reason")
  fi
done
for line in "${not_run[@]}"; do
  echo "=== $line ==="
done
