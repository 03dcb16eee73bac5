# shellcheck shell=bash
# The Debian package mirobanth-package makes, laid out as Tintavel's is:
#   /usr/lib/PACKAGE/          the product folder: launchers, libraries,
#                              description, system/ (and runtime/)
#   /usr/share/PACKAGE/        app/ and ext/, the same on every processor,
#                              which the product folder links to
#   /usr/bin/PACKAGE           a link to the graphical launcher
#   /usr/share/applications/, metainfo/, icons/hicolor/, man/man1/, mime/packages/
#   /usr/share/doc/PACKAGE/    copyright and changelog.Debian.gz
# It has no maintainer scripts: the desktop, icon and MIME caches are
# brought up to date by the triggers of the packages that keep them.
# Sourced, not run.

# The licences every Debian system keeps in /usr/share/common-licenses,
# by their SPDX names.
common_license() {
  case $1 in
    Apache-2.0) echo Apache-2.0 ;;
    GPL-2.0-only|GPL-2.0-or-later|GPL-2.0|GPL-2.0+) echo GPL-2 ;;
    GPL-3.0-only|GPL-3.0-or-later|GPL-3.0|GPL-3.0+) echo GPL-3 ;;
    LGPL-2.1-only|LGPL-2.1-or-later|LGPL-2.1) echo LGPL-2.1 ;;
    LGPL-3.0-only|LGPL-3.0-or-later|LGPL-3.0) echo LGPL-3 ;;
    MPL-2.0) echo MPL-2.0 ;;
    CC0-1.0) echo CC0-1.0 ;;
    *) return 1 ;;
  esac
}

# A machine-readable copyright file's licence paragraph: the name, then the
# text, from the common licences or from --license-file.
license_paragraph() {
  local id=$1 file=$2 common
  echo "License: $id"
  if common=$(common_license "$id"); then
    echo " On Debian systems, the complete text of this licence can be found in"
    echo " \"/usr/share/common-licenses/$common\"."
  elif [ -n "$file" ]; then
    sed -e 's/^[[:space:]]*$/./' -e 's/^/ /' "$file"
  fi
}

# check_license: a Debian package's copyright file needs the licence's name
# and its text, which a licence outside the common ones must bring.
check_license() {
  [ -n "$license" ] || [ -n "$license_file" ] \
    || fail "a Debian package needs its licence: give --license SPDX-ID or --license-file FILE"
  common_license "${license:-other}" >/dev/null || [ -n "$license_file" ] \
    || fail "the licence \"$license\" is not one of /usr/share/common-licenses: give its text with --license-file FILE"
}

write_copyright() {
  local year id=${license:-other}
  year=$(date -u +%Y)
  cat >"$1" <<EOF
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: $name

Files: *
Copyright: $year $vendor
$(license_paragraph "$id" "$license_file")

Files: usr/lib/$package/$name usr/lib/$package/$name-Console usr/lib/$package/libMirobanth*
Copyright: 2026 Mirobanth
$(license_paragraph Apache-2.0 "")
EOF
}

write_changelog() {
  cat >"$1" <<EOF
$package ($version-1) unstable; urgency=medium

  * $name $version, packaged with mirobanth-package.

 -- $maintainer  $(date -u -R)
EOF
  gzip -9n "$1"
}

# roff TEXT: TEXT for a manual page, where "-" and "\" mean other things.
roff() {
  sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e 's/^[.'"'"']/\\\&&/' <<<"$1"
}

write_manual_page() {
  cat >"$1" <<EOF
.TH ${package^^} 1 "$(date -u '+%B %Y')" "$(roff "$name $version")" "User Commands"
.SH NAME
$(roff "$package") \\- $(roff "$description")
.SH SYNOPSIS
.B $(roff "$package")
[\\fIargument\\fR...]
.SH DESCRIPTION
.B $(roff "$package")
starts $(roff "$name") on the Java VM inside its own process and passes every
argument on to it.
.SH ENVIRONMENT
.TP
.B JAVA_HOME
the Java runtime to use instead of the one the launcher finds
.SH FILES
.TP
.I /usr/lib/$(roff "$package")/$(roff "$name").cfg
the product description: its main class, class path and Java options
.TP
.I ~/.config/$(roff "$name")/$(roff "$name").vmoptions
the user's own Java options, one a line
EOF
  gzip -9n "$1"
}

# desktop_id: the product's reverse-DNS name, which its desktop entry and
# metainfo are named after.
desktop_id() {
  local vendor_part
  vendor_part=$(tr -cd 'a-z0-9' <<<"${vendor,,}")
  echo "com.${vendor_part:-$package}.${package//[-+.]/_}"
}

xml_text() {
  sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' <<<"$1"
}

# association_mime_types: the MIME types the file associations name, one a line.
association_mime_types() {
  local association
  for association in ${associations[@]+"${associations[@]}"}; do
    cut -d: -f2 <<<"$association"
  done
}

# write_mime_package FILE: the shared MIME database's entries of the
# associations' types that the system's database does not know yet.
write_mime_package() {
  local extension mime_type text association new=""
  for association in ${associations[@]+"${associations[@]}"}; do
    IFS=: read -r extension mime_type text <<<"$association"
    grep -qxF "$mime_type" /usr/share/mime/types 2>/dev/null && continue
    new+="  <mime-type type=\"$mime_type\">
    <comment>$(xml_text "$text")</comment>
    <glob pattern=\"*.$extension\"/>
  </mime-type>
"
  done
  [ -n "$new" ] || return 0
  mkdir -p "$(dirname "$1")"
  printf '%s\n' '<?xml version="1.0" encoding="UTF-8"?>' \
    '<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">' >"$1"
  printf '%s</mime-info>\n' "$new" >>"$1"
}

write_desktop_entry() {
  local exec=$package mime_types
  mime_types=$(association_mime_types | tr '\n' ';')
  [ -z "$mime_types" ] || exec="$package %F"
  cat >"$1" <<EOF
[Desktop Entry]
Type=Application
Name=$name
Comment=$description
Exec=$exec
Icon=$package
Terminal=false
Categories=$category;
EOF
  [ -z "$mime_types" ] || echo "MimeType=$mime_types" >>"$1"
}

write_metainfo() {
  local id=$2
  cat >"$1" <<EOF
<?xml version="1.0" encoding="UTF-8"?>
<component type="desktop-application">
  <id>$id</id>
  <metadata_license>CC0-1.0</metadata_license>
$([ -z "$license" ] || echo "  <project_license>$(xml_text "$license")</project_license>")
  <name>$(xml_text "$name")</name>
  <summary>$(xml_text "$description")</summary>
  <description>
    <p>$(xml_text "$name $version by $vendor: $description."
         ) It runs on the Java VM, started by its own native launcher.</p>
  </description>
  <launchable type="desktop-id">$id.desktop</launchable>
  <icon type="stock">$package</icon>
  <developer_name>$(xml_text "$vendor")</developer_name>
  <provides>
    <binary>$package</binary>
  </provides>
  <categories>
    <category>$category</category>
  </categories>
  <content_rating type="oars-1.1"/>
  <releases>
    <release version="$(xml_text "$version")" date="$(date -u +%F)"/>
  </releases>
</component>
EOF
  sed -i '/^$/d' "$1"
}

# install_icons SHARE: the icon in the hicolor theme, every size Tintavel's
# has drawn from an SVG drawing, a PNG picture in its own size.
install_icons() {
  local hicolor=$1/icons/hicolor size
  if [[ $icon == *.svg ]]; then
    for size in $MIROBANTH_ICON_SIZES; do
      mkdir -p "$hicolor/${size}x$size/apps"
      draw_icon "$size" "$hicolor/${size}x$size/apps/$package.png"
    done
    install -D -m 644 "$icon" "$hicolor/scalable/apps/$package.svg"
  else
    size=$(png_size "$icon")
    install -D -m 644 "$icon" "$hicolor/${size}x$size/apps/$package.png"
  fi
}

# java_dependency: a Java runtime of at least --java-min that can show a
# window; without -headless in its name a Debian runtime brings AWT's X11
# and GTK libraries. default-jre's version is 2:1.N for Java N.
java_dependency() {
  local minimum=${java_min:-8}
  echo "default-jre (>= 2:1.$minimum) | java$minimum-runtime"
}

# elf_files FOLDER: the native programs and libraries below FOLDER.
elf_files() {
  local file
  find "$1" -type f | while read -r file; do
    [ "$(head -c 4 "$file" | tr -d '\0')" != $'\x7fELF' ] || echo "$file"
  done
}

# prepare_runtime FOLDER: the runtime a Debian package brings as Debian wants
# its files: native code without symbols, everyone reading, only root writing.
prepare_runtime() {
  [ -d "$1" ] || return 0
  elf_files "$1" | xargs -r strip --strip-unneeded
  chmod -R u+w,a+rX,go-w "$1"
}

# shared_library_dependencies FOLDER: what dpkg-shlibdeps finds the native
# programs and libraries of the product folder need, outside the package.
shared_library_dependencies() {
  local tree=$work/shlibdeps files
  mkdir -p "$tree/debian"
  printf 'Source: %s\n\nPackage: %s\nArchitecture: any\n' "$package" "$package" >"$tree/debian/control"
  mapfile -t files < <(elf_files "$1")
  (cd "$tree" && dpkg-shlibdeps -O -l"$1" -l"$1/runtime/lib" -l"$1/runtime/lib/server" \
     ${files[@]+"${files[@]}"} 2>"$tree/log") \
    | sed -n 's/^shlibs:Depends=//p' || fail "dpkg-shlibdeps failed: $(cat "$tree/log")"
}

make_debian_package() {
  local root=$work/root id share depends
  local product=$root/usr/lib/$package
  share=$root/usr/share
  id=$(desktop_id)
  make_linux_product "$product"
  prepare_runtime "$product/runtime"
  # The architecture-independent part lives in /usr/share, linked from the folder.
  mkdir -p "$share/$package"
  mv "$product/app" "$product/ext" "$share/$package/"
  ln -s "../../share/$package/app" "$product/app"
  ln -s "../../share/$package/ext" "$product/ext"
  mkdir -p "$root/usr/bin" "$share/applications" "$share/metainfo" "$share/man/man1" \
           "$share/doc/$package" "$root/DEBIAN"
  ln -s "../lib/$package/$name" "$root/usr/bin/$package"
  write_desktop_entry "$share/applications/$id.desktop"
  write_metainfo "$share/metainfo/$id.metainfo.xml" "$id"
  write_mime_package "$share/mime/packages/$package.xml"
  install_icons "$share"
  write_manual_page "$share/man/man1/$package.1"
  write_copyright "$share/doc/$package/copyright"
  write_changelog "$share/doc/$package/changelog.Debian"

  depends=$(shared_library_dependencies "$product")
  [ "$runtime" = true ] || depends="$(java_dependency)${depends:+, $depends}"
  cat >"$root/DEBIAN/control" <<EOF
Package: $package
Version: $version-1
Architecture: amd64
Maintainer: $maintainer
Installed-Size: $(du -sk --exclude=DEBIAN "$root" | cut -f1)
Depends: $depends
Section: misc
Priority: optional
Description: $description
 $name $version by $vendor, started by its own native launcher, which
 runs the Java program inside its own process.
EOF
  find "$root" -type d -exec chmod 755 {} +
  dpkg-deb --root-owner-group -Zxz --build "$root" "$1" >/dev/null \
    || fail "dpkg-deb could not build $1"
}
