#!/usr/bin/env bash
# Makes the Java runtime image a product carries in its runtime/ folder: only
# the modules its jars need (found with jdeps), without Java debugging
# attributes, manual pages and C headers, and with a class-data-sharing
# archive where this JDK's jlink can generate one.
#   make-runtime-image.sh [--add-modules MODULE,...] OUTPUT JAR...
# OUTPUT is replaced. The JDK is the one JAVA_HOME names, else the one whose
# jlink is on PATH; the image is a runtime of that JDK's version. Modules that
# only reflection or a service loader reaches (jdk.localedata, jdk.crypto.ec,
# jdk.charsets, ...) are invisible to jdeps: name them with --add-modules.
set -euo pipefail

extra_modules=""
if [ "${1:-}" = --add-modules ]; then
  extra_modules=${2:?--add-modules needs a list}
  shift 2
fi
if [ $# -lt 2 ]; then
  echo "usage: $0 [--add-modules MODULE,...] OUTPUT JAR..." >&2
  exit 2
fi
output=$1
shift

jdk_tool() {
  if [ -n "${JAVA_HOME:-}" ]; then echo "$JAVA_HOME/bin/$1"; else echo "$1"; fi
}
jlink=$(jdk_tool jlink)
jdeps=$(jdk_tool jdeps)

version=$("$jlink" --version)
# Each jar is read against all of them; what none of them holds (an optional
# library) names no module.
class_path=$(IFS=:; echo "$*")
modules=$("$jdeps" --print-module-deps --ignore-missing-deps --multi-release "${version%%.*}" \
            --class-path "$class_path" "$@")
[ -z "$extra_modules" ] || modules=$modules,$extra_modules

options=(--add-modules "$modules" --strip-debug --no-man-pages --no-header-files)
if "$jlink" --list-plugins | grep -q -- --generate-cds-archive; then
  options+=(--generate-cds-archive)
fi

rm -rf "$output"
# The archive's dump warns about every class of a module left out of the
# image; only a failure is worth showing.
if ! log=$("$jlink" "${options[@]}" --output "$output" 2>&1); then
  echo "$log" >&2
  exit 1
fi
echo "Java $version runtime image in $output: $modules"
