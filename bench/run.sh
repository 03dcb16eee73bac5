#!/usr/bin/env bash
# The start-up benchmark, one command:   bench/run.sh [ROUNDS] [RUNS]
# Builds the linux preset and the benchmark's programs, lays out a product
# folder whose product class does nothing, and times, taking turns:
#   Tintavel64-Console (silent console), the same product folder with the
#   bundled runtime of the release archive (JAVA_HOME removed, so that the
#   launcher takes it), the floor with the launcher's class path, the floor
#   with a one-jar class path, and java with the same class path and properties;
# then the launcher and the floor with 1,000, 10,000 and 100,000 arguments;
# last the sizes of the two release archives and of the bundled runtime.
# Installs what is missing (hyperfine, python3). JAVA_HOME chooses the Java runtime.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

start_timing "$@"
libjvm=$JAVA_HOME/lib/server/libjvm.so

build_bench
build_preset linux TintavelRuntimeImage >&2

product=$bench/product
rm -rf "$product"
cp -r "$MIROBANTH_ROOT/build/linux/product" "$product"
cp "$bench/tintavel.jar" "$product/tintavel.jar"
bundled=$bench/product-bundled
rm -rf "$bundled"
cp -r "$product" "$bundled"
cp -r "$MIROBANTH_ROOT/build/linux/bundled-runtime/runtime" "$bundled/runtime"
cd "$product"

# The options the launcher passes: product files below its own folder, and
# the GTK look and feel only with a display.
class_path=$product:$product/mirobanth-runtime.jar:$product/ext/substance.jar:$product/tintavel.jar
look_and_feel=javax.swing.plaf.metal.MetalLookAndFeel
[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && look_and_feel=com.sun.java.swing.plaf.gtk.GTKLookAndFeel
export FLOOR_LIBRARY_PATH="-Djava.library.path=$product:$product/system/"
export FLOOR_LOOK_AND_FEEL="-Dswing.defaultlaf=$look_and_feel"
properties="-Dmirobanth.nx=true $FLOOR_LIBRARY_PATH -Dmirobanth.override=true
  $FLOOR_LOOK_AND_FEEL -Dmirobanth.ignore=just -Dmirobanth.ignore1 -Dmirobanth.ignore2"
floor="$bench/floor $libjvm"
main=com/mirobanth/tintavel/Tintavel

# The bundled row must time the bundled runtime, not some Java found instead.
env -u JAVA_HOME -u MIROBANTH_SILENT "$bundled/Tintavel64-Console" \
  | grep -x "Tintavel: Bundled Java runtime is used" >/dev/null \
  || { echo "$bundled/Tintavel64-Console does not take its bundled runtime" >&2; exit 1; }

timing_title
python3 "$MIROBANTH_ROOT/bench/report.py" "$rounds" "$runs" floor \
  "launcher=$product/Tintavel64-Console" \
  "launcher, bundled runtime=env -u JAVA_HOME $bundled/Tintavel64-Console" \
  "floor=$floor $class_path $main" \
  "floor, one jar=$floor tintavel.jar $main" \
  "java=$JAVA_HOME/bin/java -cp $class_path $(echo $properties) ${main//\//.}"

for count in 1000 10000 100000; do
  echo
  echo "$count arguments"
  python3 "$MIROBANTH_ROOT/bench/report.py" "$rounds" "$runs" floor \
    "launcher=$bench/with_arguments $count $product/Tintavel64-Console" \
    "floor=$bench/with_arguments $count $floor $class_path $main"
done

packages=$bench/packages
rm -rf "$packages"
cpack -G TGZ --config "$MIROBANTH_ROOT/build/linux/CPackConfig.cmake" \
  -D "CPACK_COMPONENTS_ALL=archive;bundled" -B "$packages" >&2
echo
echo "Sizes, MiB"
mib() { awk -v bytes="$1" 'BEGIN { printf "%.1f", bytes / 1048576 }'; }
for archive in "$packages"/*.tar.gz; do
  echo "$(basename "$archive"): $(mib "$(stat -c %s "$archive")")"
done
echo "runtime/ unpacked: $(mib "$(du -sb "$bundled/runtime" | cut -f1)")"
