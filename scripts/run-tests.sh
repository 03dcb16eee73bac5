#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   scripts/run-tests.sh [PRESET...]    (default: linux)
# The Linux presets run their tests natively; the Windows presets (mingw64,
# mingw32) cross-build with MinGW-w64 and run every test program under Wine.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(linux)

for preset in "${presets[@]}"; do
  # shellcheck disable=SC2046
  ensure_packages $(packages_for_preset "$preset")
done

for preset in "${presets[@]}"; do
  echo "=== $preset ==="
  build_preset "$preset"
  (cd "$MIROBANTH_ROOT" && ctest --preset "$preset" --parallel "$(nproc)")
done
