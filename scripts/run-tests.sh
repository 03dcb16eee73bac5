#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   scripts/run-tests.sh [PRESET...]    (default: linux)
# Linux presets build and run their tests; the MinGW presets (mingw64,
# mingw32) cross-build every library and executable for Windows.
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
  case "$preset" in
    mingw*) echo "$preset: built" ;;
    *) (cd "$MIROBANTH_ROOT" && ctest --preset "$preset" --parallel "$(nproc)") ;;
  esac
done
