#!/usr/bin/env bash
# Installs the Windows installer into a fresh Wine prefix, starts the installed
# console launcher, uninstalls it, and checks each step:
#   install-and-uninstall.sh win64|win32 WORK PACKAGE VERSION STUBVM
# PACKAGE is the installer's path without ".msi"; PACKAGE.zip holds the same
# product folder. STUBVM is the stub VM library the launcher loads.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/installer-checks.sh"
arch=$1 package=$3 version=$4 stubvm=$5

# expect_launch: the installed Tintavel64-Console, started from another folder,
# runs the product from its installed folder: main is called, status 0.
expect_launch() {
  local record="$WORK/record.txt" jvm record_path status=0
  jvm=$(windows_path "$stubvm")
  record_path=$(windows_path "$record")
  mkdir -p "$WORK/elsewhere"
  (cd "$WORK/elsewhere" &&
     export MIROBANTH_SILENT=1 MIROBANTH_JVM="$jvm" MIROBANTH_STUBVM_RECORD="$record_path" &&
     run_wine "$INSTALL_DIR\\Tintavel64-Console.exe") || status=$?
  expect_equal "Tintavel64-Console's exit status" 0 "$status"
  grep -qxF "CallStaticVoidMethod com/mirobanth/tintavel/Tintavel main array" "$record" \
    || fail "main was not called; the stub VM saw: $(cat "$record")"
  grep -qF "option -Djava.class.path=$INSTALL_DIR;" "$record" \
    || fail "the class path does not start at $INSTALL_DIR: $(grep class.path "$record")"
}

fresh_prefix "$2" "$arch"
msiexec_quietly /i "$package.msi"
expect_installed "$package" "$version"
expect_launch
msiexec_quietly /x "$package.msi"
expect_removed
