#!/usr/bin/env bash
# Installs the Windows installer into a fresh Wine prefix, then a later
# version over it, which must replace it in place; then uninstalls that:
#   upgrade.sh win64|win32 WORK PACKAGE LATER-PACKAGE LATER-VERSION
# The packages are paths of installers without ".msi", beside their zips.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/installer-checks.sh"
arch=$1 package=$3 later=$4 later_version=$5

fresh_prefix "$2" "$arch"
msiexec_quietly /i "$package.msi"
msiexec_quietly /i "$later.msi"
expect_installed "$later" "$later_version"
msiexec_quietly /x "$later.msi"
expect_removed
