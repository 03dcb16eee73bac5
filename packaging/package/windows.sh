# shellcheck shell=bash
# The Windows product folder, zip and installer mirobanth-package makes.
# The launchers are linked again from the framework's Windows objects with
# the product's own resources, so that Explorer, the file properties and the
# installed programs show its icon, name, vendor and version, not Tintavel's.
# Sourced, not run.

# Every product's installers are versions of one product for Windows
# Installer when they share vendor and name: the upgrade code follows from
# them, as a name-based GUID in this namespace.
msi_upgrade_namespace=5C49EFAE-8EB2-487C-9217-2EDE28F51E04

# make_windows_icon FILE: the product's icon as a Windows .ico, in the sizes
# the shell shows (a PNG picture in its own size).
make_windows_icon() {
  local pictures=() size
  if [[ $icon == *.svg ]]; then
    for size in 16 32 48 256; do
      draw_icon "$size" "$work/icon-$size.png"
      pictures+=("$work/icon-$size.png")
    done
  else
    pictures=("$icon")
  fi
  icotool --create --output="$1" "${pictures[@]}" || fail "cannot make a Windows icon of \"$icon\""
}

# rc_text TEXT: TEXT as a string of a resource script.
rc_text() {
  printf '"%s"' "${1//\"/\"\"}"
}

# make_windows_resources OBJECT LAUNCHER: the compiled resources of one launcher.
make_windows_resources() {
  local script=$work/$2.rc numbers=(0 0 0) part=0 number
  # The numeric head of the version: 5.5.0 of 5.5.0~beta.
  for number in $(grep -oE '^[0-9]+(\.[0-9]+){0,2}' <<<"$version" | tr . ' '); do
    numbers[part++]=$((10#$number % 65536))
  done
  cat >"$script" <<EOF
#define MIROBANTH_PRODUCT_NAME $(rc_text "$name")
#define MIROBANTH_PRODUCT_VENDOR $(rc_text "$vendor")
#define MIROBANTH_PRODUCT_ICON $(rc_text "$work/$name.ico")
#define MIROBANTH_VERSION_TEXT $(rc_text "$version")
#include "Launcher.rc"
EOF
  x86_64-w64-mingw32-windres -I "$MIROBANTH_WINDOWS_FRAMEWORK/resources" \
    "-DMIROBANTH_LAUNCHER=$2" "-DMIROBANTH_VERSION_MAJOR=${numbers[0]}" \
    "-DMIROBANTH_VERSION_MINOR=${numbers[1]}" "-DMIROBANTH_VERSION_PATCH=${numbers[2]}" \
    -O coff -o "$1" "$script" || fail "windres could not compile the resources of $2"
}

# link_windows_launcher FRAMEWORK-LAUNCHER FOLDER LAUNCHER [FLAG...]
link_windows_launcher() {
  local objects=$MIROBANTH_WINDOWS_FRAMEWORK/objects/$1 library libraries=()
  for library in $windows_libraries; do
    libraries+=("$MIROBANTH_WINDOWS_FRAMEWORK/lib/$library")
  done
  make_windows_resources "$work/$3.res.o" "$3"
  # shellcheck disable=SC2086
  x86_64-w64-mingw32-g++-posix $windows_link_flags "${@:4}" -o "$2/$3.exe" "$objects"/*.obj \
    "$work/$3.res.o" "${libraries[@]}" $windows_system_libraries \
    || fail "the MinGW linker could not link $3.exe"
  x86_64-w64-mingw32-strip "$2/$3.exe"
}

# make_windows_product FOLDER: the product folder for Windows.
make_windows_product() {
  local folder=$1
  # shellcheck source=/dev/null
  source "$MIROBANTH_WINDOWS_FRAMEWORK/link.sh"
  # The linker and strip write this time into each program's header: the
  # main jar's, so the zip and the installer of one product hold the same bytes.
  SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(stat -c %Y "$input/$main_jar")}
  export SOURCE_DATE_EPOCH
  mkdir -p "$folder"
  make_windows_icon "$work/$name.ico"
  # shellcheck disable=SC2154,SC2086
  link_windows_launcher Tintavel64 "$folder" "$name" $windows_graphical_flags
  link_windows_launcher Tintavel64-Console "$folder" "$name-Console"
  cp "$MIROBANTH_WINDOWS_FRAMEWORK"/bin/*.dll "$folder/"
  # The MinGW runtime DLLs carry their debugging information, nine tenths of their size.
  x86_64-w64-mingw32-strip --strip-debug "$folder"/*.dll
  add_product_files "$folder"
  if [ "$runtime" = true ]; then
    cp -RL "$runtime_image" "$folder/runtime" || fail "cannot copy the runtime $runtime_image"
  fi
}

# make_windows_archive FILE: the product folder in a zip, unpacking to a
# folder named like the archive; it runs from wherever it is unpacked.
make_windows_archive() {
  local folder=$work/${made%.zip}
  make_windows_product "$folder"
  archive_folder "$folder" "$1"
}

# make_windows_installer FILE: installs into Program Files\NAME, with a Start
# menu shortcut, an entry in the installed programs and the file types.
make_windows_installer() {
  local folder=$work/product types="" association extension mime_type text
  make_windows_product "$folder"
  for association in ${associations[@]+"${associations[@]}"}; do
    IFS=: read -r extension mime_type text <<<"$association"
    types+="${types:+;}$extension|$mime_type|$text"
  done
  cmake -D "MSI_PRODUCT_DIR=$folder" -D "MSI_WXS=$work/$name.wxs" -D "MSI_FILE=$1" \
        -D "MSI_NAME=$name" -D "MSI_VERSION=$version" -D "MSI_VENDOR=$vendor" \
        -D "MSI_SUMMARY=$description" -D "MSI_INSTALL_DIRECTORY=$name" \
        -D "MSI_WIXL=$(command -v wixl)" -D MSI_ARCH=x64 -D "MSI_TEMPLATE=$MIROBANTH_MSI_DIR/Product.wxs.in" \
        -D "MSI_ICON=$work/$name.ico" -D "MSI_SHORTCUT_TARGET=$name.exe" \
        -D "MSI_UPGRADE_NAMESPACE=$msi_upgrade_namespace" -D "MSI_ASSOCIATIONS=$types" \
        -P "$MIROBANTH_MSI_DIR/MakeMsi.cmake" >"$work/msi.log" 2>&1 \
    || fail "cannot make the installer: $(cat "$work/msi.log")"
}
