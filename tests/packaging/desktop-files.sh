#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo that tintavel installs, as
# the desktop's own tools judge them.
#   desktop-files.sh ROOT
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/shell-test.sh"

require desktop-file-validate desktop-file-utils
require appstreamcli appstream
root=$1
entry=$root/usr/share/applications/com.mirobanth.tintavel.desktop
metainfo=$root/usr/share/metainfo/com.mirobanth.tintavel.metainfo.xml
expect_equal "desktop-file-validate" "" "$(desktop-file-validate "$entry" 2>&1)"
appstreamcli validate --no-net --pedantic "$metainfo" >"$root/../appstream.log" 2>&1 \
  || fail "appstreamcli: $(cat "$root/../appstream.log")"
# The entry starts the product with its window, the metainfo names the entry.
grep -qx 'Exec=tintavel --window' "$entry" || fail "the desktop entry starts no window"
grep -q '<launchable type="desktop-id">com.mirobanth.tintavel.desktop</launchable>' "$metainfo" \
  || fail "the metainfo does not name the desktop entry"
