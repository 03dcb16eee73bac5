#!/usr/bin/env bash
# Installs what is missing, builds the linux preset, assembles the sample
# product folder and starts its Tintavel with this script's arguments:
#   scripts/run-demo.sh [ARGUMENT...]      e.g. scripts/run-demo.sh "My File" -Xpolicy
# Exits with the launcher's exit status (0 when the Java program ended normally).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# shellcheck disable=SC2046
ensure_packages $(packages_for_preset linux)
# Only what the demo runs: the target TintavelProduct builds the libraries,
# the launchers and the jars and assembles the product folder (the two
# launchers with their libraries beside them, the runtime and product jars,
# ext/ with the skins and the Substance library, and system/VM.policy); the test
# suites are left for scripts/run-tests.sh.
build_preset linux TintavelProduct >&2
product="$MIROBANTH_ROOT/build/linux/product"
for part in Tintavel64 Tintavel64-Console libMirobanthCore.so.1 libMirobanthApplication.so.1 \
            libMirobanthManaged.so.1 mirobanth-runtime.jar tintavel.jar ext/substance.jar \
            ext/lib/substance.jar system/VM.policy; do
  if [ ! -e "$product/$part" ]; then
    echo "The product folder lacks $part: $product" >&2
    exit 1
  fi
done

# The launcher finds the product's files beside itself, so it starts from
# here: relative file names among the arguments mean what they mean here.
echo "Starting $product/Tintavel64-Console" >&2
exec "$product/Tintavel64-Console" "$@"
