#!/usr/bin/env bash
# Makes the Java runtime image a product carries in its runtime/ folder: only
# the modules its jars need (found with jdeps), without Java debugging
# attributes, manual pages and C headers, and with a class-data-sharing
# archive where this JDK's jlink can generate one.
#   make-runtime-image.sh [--add-modules MODULE,...] [--java-option OPTION]... OUTPUT JAR...
# OUTPUT is replaced. The JDK is the one JAVA_HOME names, else the one whose
# jlink is on PATH; the image is a runtime of that JDK's version. Modules that
# only reflection or a service loader reaches (jdk.localedata, jdk.crypto.ec,
# jdk.charsets, ...) are invisible to jdeps: name them with --add-modules.
# The product's Java options (--java-option, one each) tell whether it runs
# with a heap of 32 GiB or more, the only use of the base archive without
# compressed object pointers (classes_nocoops.jsa, 10 MiB): without such a
# heap the image leaves it out.
set -euo pipefail

extra_modules=""
java_options=()
while [ $# -gt 0 ]; do
  case $1 in
    --add-modules) extra_modules=${2:?--add-modules needs a list}; shift 2 ;;
    --java-option) java_options+=("${2:?--java-option needs an option}"); shift 2 ;;
    *) break ;;
  esac
done
if [ $# -lt 2 ]; then
  echo "usage: $0 [--add-modules MODULE,...] [--java-option OPTION]... OUTPUT JAR..." >&2
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

# A heap size as the VM reads it (512m, 32G, 34359738368) in bytes.
bytes() {
  local number=${1%[kKmMgGtT]}
  case ${1#"$number"} in
    k|K) echo $((number << 10)) ;; m|M) echo $((number << 20)) ;;
    g|G) echo $((number << 30)) ;; t|T) echo $((number << 40)) ;; *) echo "$number" ;;
  esac
}
# The last of each option wins, as in the VM.
large_heap=false compressed_oops=true
for option in ${java_options[@]+"${java_options[@]}"}; do
  case $option in
    -XX:-UseCompressedOops) compressed_oops=false ;;
    -XX:+UseCompressedOops) compressed_oops=true ;;
    -Xmx[0-9]*|-XX:MaxHeapSize=[0-9]*)
      size=${option#-Xmx}
      size=${size#-XX:MaxHeapSize=}
      if [ "$(bytes "$size")" -ge $((32 << 30)) ]; then large_heap=true; else large_heap=false; fi ;;
  esac
done

rm -rf "$output"
# The archive's dump warns about every class of a module left out of the
# image; only a failure is worth showing.
if ! log=$("$jlink" "${options[@]}" --output "$output" 2>&1); then
  echo "$log" >&2
  exit 1
fi
if [ "$large_heap" = false ] && [ "$compressed_oops" = true ]; then
  rm -f "$output"/lib/server/classes_nocoops.jsa "$output"/bin/server/classes_nocoops.jsa
fi
echo "Java $version runtime image in $output: $modules"
