#!/usr/bin/env bash
# The packaged product against the JDK's packaging tool, one command:
#   bench/package.sh [ROUNDS] [RUNS]
# Packages a product whose main does nothing twice from the same jar: with
# mirobanth-package (an app image on the system's Java, and one bringing a
# jlink runtime) and with jpackage (its app image, which always brings one).
# Times, taking turns, their launchers (ours also with class-data = off) and
# the floor (bench/floor.c with the packaged product's class path); then the sizes of each tool's packages and
# lintian's verdict on each .deb. Installs what is missing (hyperfine,
# python3). JAVA_HOME chooses the JDK (default: Debian's OpenJDK 17).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

start_timing "$@"
work=$bench/package
command=$MIROBANTH_ROOT/build/linux/bin/mirobanth-package

build_bench

rm -rf "$work"
mkdir -p "$work/input" "$work/ours" "$work/ours-runtime" "$work/jpackage"
cp "$bench/tintavel.jar" "$work/input/noop.jar"
main=com.mirobanth.tintavel.Tintavel
common=(--input "$work/input" --main-jar noop.jar --main-class "$main" --name Noop --app-version 1.0.0
        --vendor Bench --description "Product whose main does nothing")
for type in app-image deb tar; do
  "$command" --type "$type" "${common[@]}" --license Apache-2.0 --dest "$work/ours" >&2
done
"$command" --type app-image "${common[@]}" --runtime --dest "$work/ours-runtime" >&2
# The same product without its class-data archive, which a no-op main cannot repay.
cp -r "$work/ours/Noop" "$work/ours-no-class-data"
echo "class-data = off" >>"$work/ours-no-class-data/Noop.cfg"
for type in app-image deb; do
  "$JAVA_HOME/bin/jpackage" --type "$type" "${common[@]}" --dest "$work/jpackage" >&2
done

# The floor runs the class path and library path the packaged launcher gives.
product=$work/ours/Noop
export FLOOR_LIBRARY_PATH="-Djava.library.path=$product:$product/system/"
export FLOOR_LOOK_AND_FEEL="-Dswing.defaultlaf=javax.swing.plaf.metal.MetalLookAndFeel"
cd "$work"
timing_title
env -u DISPLAY -u WAYLAND_DISPLAY python3 "$MIROBANTH_ROOT/bench/report.py" "$rounds" "$runs" floor \
  "mirobanth-package=$product/Noop-Console" \
  "mirobanth-package, class-data off=$work/ours-no-class-data/Noop-Console" \
  "mirobanth-package --runtime=env -u JAVA_HOME $work/ours-runtime/Noop/Noop-Console" \
  "jpackage=$work/jpackage/Noop/bin/Noop" \
  "floor=$bench/floor $JAVA_HOME/lib/server/libjvm.so $product/app/noop.jar ${main//.//}"

echo
echo "Sizes, MiB, and lintian's errors and warnings"
mib() { awk -v bytes="$1" 'BEGIN { printf "%.1f", bytes / 1048576 }'; }
# lintian's status says it found errors.
findings() {
  { lintian --no-cfg "$1" 2>/dev/null || true; } \
    | awk '/^E:/ { e++ } /^W:/ { w++ } END { printf "%d errors, %d warnings", e, w }'
}
for file in "$work"/ours/*.deb "$work"/ours/*.tar.gz "$work"/jpackage/*.deb; do
  line="${file#"$work"/}: $(mib "$(stat -c %s "$file")")"
  [[ $file != *.deb ]] || ! command -v lintian >/dev/null || line+=" ($(findings "$file"))"
  echo "$line"
done
for folder in ours/Noop ours-runtime/Noop jpackage/Noop; do
  echo "$folder unpacked: $(mib "$(du -sb "$work/$folder" | cut -f1)")"
done
