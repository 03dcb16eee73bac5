# Shared by the quick-start scripts: install what is missing, configure, build.
# Sourced, not run.

MIROBANTH_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Packages every Linux build needs: the tools, Debian's Substance library that
# the skins extend, rsvg-convert for the icons and dpkg-dev for the Debian
# packages; for the tests a Java runtime that can show a window, on a virtual
# X display, xmessage (x11-utils) for the launcher's alerts there, the tools
# that judge the packages and the Windows icon, localedef's sources for a
# locale that is not UTF-8, and a Swing program that is not ours (jEdit),
# which xdotool closes.
MIROBANTH_LINUX_PACKAGES=(cmake ninja-build g++ libgtest-dev openjdk-17-jdk-headless
                          substance libtrident-java liblaf-widget-java liblaf-plugin-java
                          librsvg2-bin dpkg-dev
                          openjdk-17-jre xvfb x11-utils lintian desktop-file-utils appstream icoutils
                          locales jedit xdotool)
# Packages the Windows cross builds need on top: the compilers, wixl (from
# msitools) for the installer, and Wine (64- and 32-bit); their tests use the
# virtual X display too.
MIROBANTH_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64 g++-mingw-w64-i686 googletest wixl
                            wine wine64 wine32:i386)

# ensure_packages PACKAGE...: installs the missing ones when root; otherwise
# names them and stops, since nothing can be built without them.
ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
      || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them with: sudo apt-get install ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  # The 32-bit Wine comes from the i386 architecture.
  if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  # A list that fails to refresh (a mirror between syncs) leaves the others
  # usable: what cannot be installed from them is handled below.
  apt-get update -q || echo "Some package lists could not be refreshed; going on with the rest" >&2
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}" && return 0
  # A 32-bit package must match the version of its installed 64-bit twin,
  # which a mirror caught between syncs can fail to offer. Everything else is
  # installed all the same: the 32-bit tests then report that they did not run
  # and why.
  local native=()
  for package in "${missing[@]}"; do
    [[ $package == *:i386 ]] || native+=("$package")
  done
  [ ${#native[@]} -lt ${#missing[@]} ] || return 1
  echo "Could not install the 32-bit packages; going on without them" >&2
  [ ${#native[@]} -eq 0 ] || DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${native[@]}"
}

# packages_for_preset PRESET: the packages that preset's build needs.
packages_for_preset() {
  case "$1" in
    mingw*) echo "${MIROBANTH_LINUX_PACKAGES[*]} ${MIROBANTH_WINDOWS_PACKAGES[*]}" ;;
    *) echo "${MIROBANTH_LINUX_PACKAGES[*]}" ;;
  esac
}

# build_preset PRESET [TARGET...]: configures one preset of CMakePresets.json
# and builds the targets named, or everything.
build_preset() {
  local preset=$1
  shift
  local targets=()
  [ $# -eq 0 ] || targets=(--target "$@")
  (cd "$MIROBANTH_ROOT" && cmake --preset "$preset" &&
     cmake --build --preset "$preset" --parallel "$(nproc)" "${targets[@]}")
}
