#!/usr/bin/env bash
# Debian's jEdit, a Swing program that is not ours, made a Debian package by
# mirobanth-package: lintian's findings, the desktop's validators, what it
# needs and holds, installing and purging it, and its command, unpacked,
# started from another folder on a private X display, its window shown and
# closed (tests/samples/jedit.sh).
#   product-debian.sh WORK COMMAND ICON
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/shell-test.sh"

work=$1 command=$2 icon=$3
[ -f /usr/share/jedit/jedit.jar ] || skip "jEdit is not installed (Debian package jedit)"
require lintian lintian
require desktop-file-validate desktop-file-utils
require appstreamcli appstream
rm -rf "$work"
mkdir -p "$work/input"
cp -r /usr/share/jedit/{jedit.jar,keymaps,macros,modes,properties,startup} "$work/input/"
"$command" --type deb --input "$work/input" --main-jar jedit.jar --main-class org.gjt.sp.jedit.jEdit \
  --name jEdit --app-version 5.5.0 --vendor jEdit --description "Programmer's text editor" \
  --java-options --add-opens=java.desktop/sun.awt=ALL-UNNAMED --arguments -nosplash --arguments -noserver \
  --java-min 11 --license GPL-2.0-or-later --icon "$icon" --file-association "txt:text/plain:Text file" \
  --file-association "jedmacro:application/x-jedit-macro:jEdit macro" --dest "$work" >"$work/log" 2>&1 \
  || fail "mirobanth-package failed: $(cat "$work/log")"
deb=$work/jedit_5.5.0-1_amd64.deb

expect_equal "lintian's findings" "W: jedit: initial-upload-closes-no-bugs [usr/share/doc/jedit/changelog.Debian.gz:1]" \
  "$(lintian --no-cfg "$deb" 2>/dev/null || true)"
depends=$(dpkg-deb --field "$deb" Depends)
# A sanitized build's libraries add the sanitizers' runtimes to the list.
[[ $depends == "default-jre (>= 2:1.11) | java11-runtime, "* && $depends == *"libc6 (>= "* &&
   $depends != *headless* ]] \
  || fail "jedit depends on: $depends"
expect_equal "maintainer scripts" "control" "$(dpkg-deb --ctrl-tarfile "$deb" | tar t | sed -n 's|^\./\(.\)|\1|p')"

dpkg-deb --extract "$deb" "$work/root"
share=$work/root/usr/share
entry=$share/applications/com.jedit.jedit.desktop
expect_equal "desktop-file-validate" "" "$(desktop-file-validate "$entry" 2>&1)"
appstreamcli validate --no-net "$share/metainfo/com.jedit.jedit.metainfo.xml" >"$work/appstream.log" 2>&1 \
  || fail "appstreamcli: $(cat "$work/appstream.log")"
expect_equal "the entry's types" "MimeType=text/plain;application/x-jedit-macro;" "$(grep ^MimeType "$entry")"
# Only the type the system does not know yet gets a MIME package entry.
expect_equal "new MIME types" '  <mime-type type="application/x-jedit-macro">' \
  "$(grep '<mime-type ' "$share/mime/packages/jedit.xml")"
expect_equal "the command" "../lib/jedit/jEdit" "$(readlink "$work/root/usr/bin/jedit")"
for file in icons/hicolor/16x16/apps/jedit.png icons/hicolor/256x256/apps/jedit.png \
            icons/hicolor/scalable/apps/jedit.svg man/man1/jedit.1.gz jedit/app/jedit.jar \
            doc/jedit/copyright doc/jedit/changelog.Debian.gz; do
  [ -f "$share/$file" ] || fail "the package lacks /usr/share/$file"
done

# Installed by dpkg into a root of its own (without the packages it needs) and
# purged again: nothing is left but dpkg's own records.
system=$work/system
mkdir -p "$system/var/lib/dpkg/info" "$system/var/lib/dpkg/updates"
touch "$system/var/lib/dpkg/status"
dpkg --root="$system" --force-depends -i "$deb" >"$work/dpkg.log" 2>&1 && dpkg --root="$system" --purge jedit \
  >>"$work/dpkg.log" 2>&1 || fail "dpkg: $(cat "$work/dpkg.log")"
expect_equal "what the purge left" "" "$(cd "$system" && find . -mindepth 1 -not -path './var*')"

LAUNCHER=$work/root/usr/bin/jedit exec "$(dirname "${BASH_SOURCE[0]}")/../samples/jedit.sh" "$work/window"
