#!/usr/bin/env bash
# lintian on the Debian packages of WORK/packages: no error, and no warning
# beyond the ones the README names with their reasons.
#   debian-lintian.sh WORK
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/shell-test.sh"

require lintian lintian
work=$1
found=$(lintian --no-cfg "$work"/packages/*.deb 2>/dev/null || true)
expect_equal "lintian's findings" "$(sort <<EOF_FINDINGS
W: tintavel: classpath-contains-relative-path lib/laf [usr/share/tintavel/ext/substance.jar]
W: tintavel: initial-upload-closes-no-bugs [usr/share/doc/tintavel/changelog.Debian.gz:1]
W: libmirobanth-dev: initial-upload-closes-no-bugs [usr/share/doc/libmirobanth-dev/changelog.Debian.gz:1]
EOF_FINDINGS
)" "$(sort <<<"$found")"
