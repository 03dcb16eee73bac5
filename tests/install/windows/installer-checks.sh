# shellcheck shell=bash
# What the installer tests share: a fresh Wine prefix, msiexec, and the
# checks of what an install leaves in the prefix. Sourced, not run.
source "$(dirname "${BASH_SOURCE[0]}")/../../../cmake/wine/wine-session.sh"

# A check that fails inside $(...) fails the test too.
shopt -s inherit_errexit

# The product the installer installs: Tintavel unless the sourcing test
# names another before sourcing.
PRODUCT=${PRODUCT:-Tintavel} VENDOR=${VENDOR:-Mirobanth} GRAPHICAL=${GRAPHICAL:-Tintavel64.exe}
INSTALL_DIR='C:\Program Files\'"$PRODUCT"
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# expect_equal WHAT EXPECTED ACTUAL
expect_equal() {
  [ "$2" = "$3" ] || fail "$1: expected [$2], got [$3]"
}

# fresh_prefix WORK ARCH: a new work folder for this test alone, with a Wine
# prefix of its own (WORK/prefix) and the loader of its word size. The
# prefix's server stops when the test ends; the folder stays only when the
# test failed, to be looked at.
fresh_prefix() {
  WORK=$1
  unset DISPLAY WAYLAND_DISPLAY
  rm -rf "$WORK"
  wine_session_start "$WORK/prefix" "$2"
  trap 'status=$?; wineserver -k 2>/dev/null || true
        [ "$status" -ne 0 ] || rm -rf "$WORK"' EXIT
}

windows_path() {
  local path=${1//\//\\}
  echo "Z:$path"
}

unix_path() {
  local path=${1//\\//}
  echo "$WINEPREFIX/drive_c/${path#C:/}"
}

run_wine() {
  timeout --kill-after=10 "${MIROBANTH_WINE_TIMEOUT:-300}" "$WINELOADER" "$@"
}

# msiexec_quietly /i|/x MSI: installs or uninstalls without any window; on
# failure shows the end of msiexec's log.
msiexec_quietly() {
  local log="$WORK/msiexec.log" status=0
  run_wine msiexec "$1" "$(windows_path "$2")" /qn /l*v "$(windows_path "$log")" || status=$?
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log" >&2 || true
    fail "msiexec $1 $2 exited $status"
  fi
}

# registry_tree KEY: KEY and everything below it, as reg shows them.
registry_tree() {
  local tree
  tree=$(run_wine reg query "$1" /s) || fail "cannot read $1"
  tr -d '\r' <<<"$tree"
}

# installed_product: one line per entry named PRODUCT in the installed
# programs: its name, version and publisher.
installed_product() {
  local tree
  tree=$(registry_tree "$UNINSTALL_KEY")
  awk -v RS= -F '\n' -v product="$PRODUCT" '
    function value(name,   line, prefix) {
      prefix = "    " name "    REG_SZ    "
      for (line = 2; line <= NF; line++)
        if (index($line, prefix) == 1) return substr($line, length(prefix) + 1)
    }
    value("DisplayName") == product {
      print value("DisplayName") " " value("DisplayVersion") " " value("Publisher")
    }' <<<"$tree"
}

# start_menu_shortcuts: every shortcut PRODUCT in a Start menu. Windows puts
# a per-machine install's into the common Start menu; Wine 8 puts it into the
# user's.
start_menu_shortcuts() {
  find "$WINEPREFIX/drive_c" -path "*/Start Menu/Programs/$PRODUCT.lnk"
}

# link_names LINK TEXT: whether the shell link names TEXT, as a path of its
# own (the link's target is kept as ANSI text) or as UTF-16 text (its icon).
link_names() {
  LC_ALL=C tr -c '[:print:]' '\n' <"$1" | grep -qxF "$2" && return 0
  local utf16
  utf16=$(printf '%s' "$2" | iconv -f UTF-8 -t UTF-16LE | bytes)
  bytes <"$1" | grep -qF "${utf16% }"
}

# bytes: the bytes of standard input in hexadecimal, each after a blank.
bytes() {
  od -An -v -tx1 | tr -s ' \n' '  '
}

# expect_installed PACKAGE VERSION: the install holds exactly the files of
# PACKAGE.zip, the installed programs list PRODUCT once, with VERSION, and
# the Start menu has its shortcut to the installed GRAPHICAL, showing
# the product's icon as that entry does.
expect_installed() {
  local unpacked="$WORK/unpacked" programs icon shortcuts
  rm -rf "$unpacked" && mkdir -p "$unpacked"
  (cd "$unpacked" && "${CMAKE_COMMAND:-cmake}" -E tar xf "$1.zip") || fail "cannot unpack $1.zip"
  diff -r "$unpacked/$(basename "$1")" "$(unix_path "$INSTALL_DIR")" >&2 \
    || fail "the installed folder differs from $1.zip"
  programs=$(installed_product)
  expect_equal "installed programs" "$PRODUCT $2 $VENDOR" "$programs"

  icon=$(registry_tree 'HKLM\Software\Classes\Installer\Products')
  icon=$(sed -n 's/^    ProductIcon    REG_SZ    //p' <<<"$icon")
  [[ "$icon" == 'C:\windows\Installer\{'*"}\\$PRODUCT.ico" && -f "$(unix_path "$icon")" ]] \
    || fail "no product icon in the installed programs: [$icon]"
  mapfile -t shortcuts < <(start_menu_shortcuts)
  [ ${#shortcuts[@]} -eq 1 ] || fail "not one Start menu shortcut $PRODUCT: [${shortcuts[*]}]"
  link_names "${shortcuts[0]}" "$INSTALL_DIR\\$GRAPHICAL" \
    || fail "${shortcuts[0]} does not start $GRAPHICAL"
  link_names "${shortcuts[0]}" "$icon" || fail "${shortcuts[0]} does not show $icon"
}

# expect_removed: nothing of PRODUCT is left.
expect_removed() {
  local programs
  [ ! -e "$(unix_path "$INSTALL_DIR")" ] || fail "$INSTALL_DIR is still there"
  programs=$(installed_product)
  expect_equal "installed programs" "" "$programs"
  expect_equal "Start menu shortcuts" "" "$(start_menu_shortcuts)"
}
