# shellcheck shell=bash
# mirobanth-package's checks of its options: every fault is found before
# anything is made, said in one line naming what is wrong, and ends the
# command with status 1. Sourced, not run.

# fail MESSAGE...: ends the command with the message and status 1.
fail() {
  echo "mirobanth-package: $*" >&2
  exit 1
}

# require_tool PROGRAM PACKAGE WHAT: fails unless PROGRAM is installed.
require_tool() {
  command -v "$1" >/dev/null || fail "$3 needs $1, which is not installed (Debian package $2)"
}

# Letters, digits, "." "+" "-": what a file name, a Debian package name (in
# lower case) and a Windows folder name can all be.
name_pattern='^[A-Za-z0-9][A-Za-z0-9.+-]+$'
# A Debian upstream version without a revision of its own.
version_pattern='^[0-9][A-Za-z0-9.+~]*$'
java_identifier='[A-Za-z_$][A-Za-z0-9_$]*'

check_required() {
  local option
  for option in type input main-jar main-class name app-version; do
    local variable=${option//-/_}
    [ "$option" != app-version ] || variable=version
    [ -n "${!variable}" ] || fail "--$option is missing"
  done
  case $type in
    app-image|tar|deb|zip|msi) ;;
    *) fail "--type must be app-image, tar, deb, zip or msi, not \"$type\"" ;;
  esac
}

check_identity() {
  [[ $name =~ $name_pattern ]] \
    || fail "the name \"$name\" cannot be a file or package name: it must be two or more letters, digits, \".\", \"+\" or \"-\", starting with a letter or digit"
  [[ $version =~ $version_pattern ]] \
    || fail "the version \"$version\" cannot be a Debian version: it must start with a digit and hold only letters, digits, \".\", \"+\" and \"~\""
  if [ "$type" = msi ]; then
    check_msi_version
  fi
  [[ $category =~ ^[A-Za-z]+$ ]] \
    || fail "--linux-app-category must be a desktop menu category such as Utility, not \"$category\""
  [ -z "$java_min" ] || [[ $java_min =~ ^[1-9][0-9]*$ ]] \
    || fail "--java-min must be a Java feature version such as 17, not \"$java_min\""
}

# Windows Installer compares major.minor.build, each at most 255, 255 and 65535.
check_msi_version() {
  local message="the version \"$version\" cannot be an MSI version: it must be a.b.c, numbers below 256.256.65536"
  [[ $version =~ ^([0-9]+)\.([0-9]+)(\.([0-9]+))?$ ]] || fail "$message"
  [ "${BASH_REMATCH[1]}" -lt 256 ] && [ "${BASH_REMATCH[2]}" -lt 256 ] \
    && [ "${BASH_REMATCH[4]:-0}" -lt 65536 ] || fail "$message"
}

# The jars the product's class path names: the main jar first, then every
# other jar of the input, in name order.
product_jars() {
  echo "$main_jar"
  (cd "$input" && find -L . -name '*.jar' -type f | sed 's|^\./||' | LC_ALL=C sort) \
    | grep -vxF "$main_jar" || true
}

check_input() {
  [ -d "$input" ] || fail "the input folder \"$input\" does not exist"
  [ -f "$input/$main_jar" ] || fail "the main jar \"$main_jar\" is not in the input folder $input"
  [[ $main_class =~ ^$java_identifier([./]$java_identifier)*$ ]] \
    || fail "the main class \"$main_class\" is not a Java class name"
  require_tool cmake cmake "reading the jars"
  local class=${main_class//./\/}.class jar entries looked=()
  while read -r jar; do
    entries=$(cmake -E tar tf "$input/$jar" 2>/dev/null || true)
    if grep -qxF "$class" <<<"$entries"; then
      return
    fi
    looked+=("$input/$jar")
  done < <(product_jars)
  fail "the main class \"$main_class\" is not in the jars: looked for $class in ${looked[*]}"
}

check_java_options() {
  local option
  for option in ${java_options[@]+"${java_options[@]}"}; do
    [[ $option == -* ]] || fail "the Java option \"$option\" does not begin with \"-\""
  done
  for option in ${java_options[@]+"${java_options[@]}"} ${arguments[@]+"${arguments[@]}"} \
                "$vendor" "$description"; do
    [[ $option != *$'\n'* ]] || fail "\"$option\" holds a line break, which the product description cannot"
  done
}

check_files() {
  if [ -n "$icon" ]; then
    [ -r "$icon" ] && [ -f "$icon" ] || fail "the icon \"$icon\" cannot be read"
    case $icon in
      *.svg) require_tool rsvg-convert librsvg2-bin "drawing the icon"
             rsvg-convert -w 16 -h 16 "$icon" >/dev/null 2>&1 \
               || fail "the icon \"$icon\" cannot be read: it is no SVG drawing" ;;
      *.png) [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] \
               || fail "the icon \"$icon\" cannot be read: it is no PNG picture" ;;
      *) fail "the icon \"$icon\" cannot be read: it must be an SVG drawing (.svg) or a PNG picture (.png)" ;;
    esac
  fi
  if [ -n "$license_file" ]; then
    [ -f "$license_file" ] && [ -r "$license_file" ] || fail "the license file \"$license_file\" cannot be read"
  fi
}

check_associations() {
  local association
  for association in ${associations[@]+"${associations[@]}"}; do
    [[ $association =~ ^[A-Za-z0-9]+:[a-z]+/[A-Za-z0-9.+-]+:.+$ ]] \
      || fail "the file association \"$association\" must be EXTENSION:MIME-TYPE:TEXT, such as txt:text/plain:Text file"
  done
}

check_tools() {
  case $type in
    app-image|tar|deb)
      [ -n "$MIROBANTH_LINUX_PRODUCT" ] \
        || fail "a Linux package needs the framework's Linux build; this command belongs to its Windows build" ;;
  esac
  case $type in
    deb)
      require_tool dpkg-deb dpkg "a Debian package"
      require_tool dpkg-shlibdeps dpkg-dev "a Debian package"
      require_tool strip binutils "a Debian package"
      require_tool gzip gzip "a Debian package"
      check_license ;;
    zip|msi)
      [ -f "$MIROBANTH_WINDOWS_FRAMEWORK/link.sh" ] \
        || fail "a Windows package needs the framework's Windows build, not found in $MIROBANTH_WINDOWS_FRAMEWORK (build it with: cmake --preset mingw64 && cmake --build --preset mingw64)"
      grep -qx "windows_processor='x86_64'" "$MIROBANTH_WINDOWS_FRAMEWORK/link.sh" \
        || fail "the Windows framework in $MIROBANTH_WINDOWS_FRAMEWORK is not a 64-bit one: Windows packages are 64-bit only"
      require_tool x86_64-w64-mingw32-g++-posix g++-mingw-w64-x86-64-posix "a Windows package"
      require_tool x86_64-w64-mingw32-windres binutils-mingw-w64-x86-64 "a Windows package"
      require_tool icotool icoutils "a Windows package"
      [ "$type" != msi ] || require_tool wixl wixl "an MSI" ;;
  esac
  if [ "$runtime" = true ]; then
    case $type in
      zip|msi) [ -n "$runtime_image" ] \
                 || fail "--runtime for Windows needs a Windows JDK: name it with --runtime-image DIR"
               [ -f "$runtime_image/bin/server/jvm.dll" ] \
                 || fail "--runtime-image \"$runtime_image\" is no Windows Java runtime (no bin/server/jvm.dll)" ;;
      *) local jlink=jlink
         [ -z "${JAVA_HOME:-}" ] || jlink=$JAVA_HOME/bin/jlink
         command -v "$jlink" >/dev/null \
           || fail "--runtime needs a JDK's jlink, which is not installed (Debian package openjdk-17-jdk-headless)" ;;
    esac
  fi
}

check_options() {
  check_required
  check_identity
  check_input
  check_java_options
  check_files
  check_associations
  check_tools
  mkdir -p "$dest" 2>/dev/null && [ -w "$dest" ] || fail "the destination \"$dest\" cannot be written"
  # The product takes every file of the input, which must not take the package in turn.
  local inside
  inside=$(realpath "$dest")/
  [[ $inside != "$(realpath "$input")"/* ]] \
    || fail "the destination \"$dest\" is inside the input folder $input, all of whose files the product takes"
}
