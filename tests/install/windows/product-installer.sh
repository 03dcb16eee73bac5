#!/usr/bin/env bash
# Debian's jEdit, a Swing program that is not ours, made a Windows installer
# by mirobanth-package and installed into a fresh Wine prefix: the installed
# folder is the zip's, the installed programs and the Start menu show it
# with its icon, its launcher's version resource names it, the installed
# jEdit-Console.exe reaches main on the stub VM, its file type opens with
# jEdit.exe; a later version replaces it in place, an earlier one refuses;
# uninstalling leaves nothing but the user's own Java options.
#   product-installer.sh win64 WORK COMMAND STUBVM
set -euo pipefail
PRODUCT=jEdit VENDOR=jEdit GRAPHICAL=jEdit.exe
source "$(dirname "${BASH_SOURCE[0]}")/installer-checks.sh"
arch=$1 command=$3 stubvm=$4
jar=/usr/share/jedit/jedit.jar
if [ ! -f "$jar" ]; then echo "SKIP: jEdit is not installed (Debian package jedit)"; exit 77; fi

fresh_prefix "$2" "$arch"
mkdir -p "$WORK/input"
cp "$jar" "$WORK/input/"
# package TYPE VERSION: jEdit's TYPE package of VERSION in WORK/packages.
package() {
  "$command" --type "$1" --app-version "$2" --input "$WORK/input" --main-jar jedit.jar \
    --main-class org.gjt.sp.jedit.jEdit --name jEdit --vendor jEdit --description "Programmer's text editor" \
    --file-association "jedmacro:application/x-jedit-macro:jEdit macro" --dest "$WORK/packages" \
    >>"$WORK/package.log" 2>&1 || fail "mirobanth-package --type $1 failed: $(cat "$WORK/package.log")"
}
package zip 5.5.0
package msi 5.5.0
package msi 5.6.0
first=$WORK/packages/jEdit-5.5.0-win64 later=$WORK/packages/jEdit-5.6.0-win64
installed=$(unix_path "$INSTALL_DIR")

msiexec_quietly /i "$first.msi"
expect_installed "$first" 5.5.0
resources=$(wrestool -x --raw --type=16 "$installed/jEdit.exe" | tr -d '\0' | tr -c '[:print:]' '\n')
for text in CompanyNamejEdit ProductNamejEdit ProductVersion5.5.0 OriginalFilenamejEdit.exe; do
  grep -qF "$text" <<<"$resources" || fail "jEdit.exe's version resource lacks $text: $resources"
done
expect_equal "the file type's program" "jEdit.jedmacro" \
  "$(registry_tree 'HKLM\Software\Classes\.jedmacro' | sed -n 's/^    (Default)    REG_SZ    //p' | head -1)"
registry_tree 'HKLM\Software\Classes\jEdit.jedmacro\shell\open\command' \
  | grep -qF "\"$INSTALL_DIR\\jEdit.exe\" \"%1\"" || fail "a .jedmacro file does not open with jEdit.exe"

mkdir -p "$WORK/elsewhere"
(cd "$WORK/elsewhere" && MIROBANTH_SILENT=1 MIROBANTH_JVM=$(windows_path "$stubvm") \
   MIROBANTH_STUBVM_RECORD=$(windows_path "$WORK/record.txt") run_wine "$INSTALL_DIR\\jEdit-Console.exe") \
  || fail "the installed jEdit-Console.exe exited $?"
grep -qxF "CallStaticVoidMethod org/gjt/sp/jedit/jEdit main array" "$WORK/record.txt" \
  || fail "main was not called; the stub VM saw: $(cat "$WORK/record.txt")"

options=$WINEPREFIX/drive_c/users/$(whoami)/AppData/Roaming/jEdit/jEdit.vmoptions
mkdir -p "$(dirname "$options")" && echo "-Xmx1g" >"$options"
msiexec_quietly /i "$later.msi"
expect_equal "installed programs after the upgrade" "jEdit 5.6.0 jEdit" "$(installed_product)"
if run_wine msiexec /i "$(windows_path "$first.msi")" /qn >/dev/null 2>&1; then
  fail "5.5.0 installed over 5.6.0"
fi
expect_equal "installed programs after the refused downgrade" "jEdit 5.6.0 jEdit" "$(installed_product)"
msiexec_quietly /x "$later.msi"
expect_removed
[ -f "$options" ] || fail "uninstalling removed the user's options file"
! run_wine reg query 'HKLM\Software\Classes\.jedmacro' >/dev/null 2>&1 || fail "the file type outlived the uninstall"
