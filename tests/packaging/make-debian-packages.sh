#!/usr/bin/env bash
# Makes the Debian packages of a build with its CPack configuration, as the
# package target does, into WORK/packages, and unpacks tintavel into
# WORK/root as dpkg would install it below /; WORK/root/usr/share/java is the
# system's, where the packages it depends on keep the Substance library.
#   make-debian-packages.sh CPACK CPACK_CONFIG WORK
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/shell-test.sh"

cpack=$1 config=$2 work=$3
require dpkg-shlibdeps dpkg-dev
rm -rf "$work"
mkdir -p "$work"
"$cpack" -G DEB --config "$config" -B "$work/packages" >"$work/cpack.log" 2>&1 \
  || fail "cpack failed: $(cat "$work/cpack.log")"
dpkg-deb --extract "$work"/packages/tintavel_*.deb "$work/root"
ln -s /usr/share/java "$work/root/usr/share/java"
