# shellcheck shell=bash
# The product folder mirobanth-package lays out, the same on every system:
#   NAME, NAME-Console   the launchers under the product's name
#   the libraries        beside them, where the launchers look for them
#   NAME.cfg             the product description, written from the options
#   app/                 the input folder's files
#   ext/, system/        look-and-feel jars and native libraries of the product
#   runtime/             with --runtime, the Java runtime it brings
# Sourced, not run.

# write_description FILE: the product description the launchers read.
write_description() {
  local jar option
  {
    echo "# $name $version, packaged by mirobanth-package"
    echo "name = $name"
    echo "vendor = $vendor"
    echo "version = $version"
    echo "main-class = $main_class"
    while read -r jar; do
      echo "class-path = app/$jar"
    done < <(product_jars)
    for option in ${java_options[@]+"${java_options[@]}"}; do
      echo "java-option = $option"
    done
    for option in ${arguments[@]+"${arguments[@]}"}; do
      echo "argument = $option"
    done
    [ -z "$java_min" ] || echo "java-min = $java_min"
  } >"$1"
}

# add_product_files FOLDER: the description, the input's
# files and the product's own folders, into a folder that has its launchers.
add_product_files() {
  write_description "$1/$name.cfg"
  mkdir -p "$1/app" "$1/ext" "$1/system"
  # Links are followed: the product must hold what they lead to.
  cp -RL "$input/." "$1/app/" || fail "cannot copy the input folder $input"
  chmod -R u+rwX,go+rX,go-w "$1"
}

# make_linux_product FOLDER: the product folder for Linux.
make_linux_product() {
  local folder=$1 library
  mkdir -p "$folder"
  install -m 755 "$MIROBANTH_LINUX_PRODUCT/Tintavel64" "$folder/$name"
  install -m 755 "$MIROBANTH_LINUX_PRODUCT/Tintavel64-Console" "$folder/$name-Console"
  for library in "$MIROBANTH_LINUX_PRODUCT"/libMirobanth*.so.1; do
    install -m 644 "$library" "$folder/"
  done
  if command -v strip >/dev/null; then
    strip --strip-unneeded "$folder/$name" "$folder/$name-Console" "$folder"/libMirobanth*.so.1
  fi
  add_product_files "$folder"
  [ "$runtime" = false ] || make_linux_runtime "$folder"
}

# make_linux_runtime FOLDER: a jlink runtime of the modules the jars need.
make_linux_runtime() {
  local options=() option jars
  [ -z "$add_modules" ] || options+=(--add-modules "$add_modules")
  for option in ${java_options[@]+"${java_options[@]}"}; do
    options+=(--java-option "$option")
  done
  mapfile -t jars < <(find "$1/app" "$1/ext" -name '*.jar' -type f)
  "$MIROBANTH_RUNTIME_IMAGE_SCRIPT" ${options[@]+"${options[@]}"} "$1/runtime" "${jars[@]}" >/dev/null \
    || fail "cannot make the Java runtime with $MIROBANTH_RUNTIME_IMAGE_SCRIPT"
}

# archive_folder FOLDER FILE: FILE (.tar.gz or .zip) holding FOLDER under its
# own name, made by CMake, which writes both.
archive_folder() {
  local flags=cfz format=gnutar
  [[ $2 != *.zip ]] || flags=cf format=zip
  (cd "$(dirname "$1")" && cmake -E tar "$flags" "$2" --format=$format -- "$(basename "$1")") \
    || fail "cannot write $2"
}

# make_linux_archive FILE: the Linux product folder in a .tar.gz, unpacking
# to a folder named like the archive.
make_linux_archive() {
  local folder=$work/${made%.tar.gz}
  make_linux_product "$folder"
  archive_folder "$folder" "$1"
}

# draw_icon SIZE FILE: the product's icon as a SIZE-pixel PNG picture.
draw_icon() {
  rsvg-convert -w "$1" -h "$1" -o "$2" "$icon" || fail "cannot draw the icon \"$icon\""
}

# png_size FILE: the width of a PNG picture, from its header.
png_size() {
  echo $((16#$(od -An -tx1 -j16 -N4 "$1" | tr -d ' \n')))
}
