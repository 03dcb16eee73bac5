#!/usr/bin/env bash
# The class-data benchmark, one command:   bench/classdata.sh [ROUNDS]
# Builds the linux preset and the benchmark's programs and lays out a product
# folder with two described products: Window (firstwindow.jar, a small Swing
# window, on a private Xvfb display) and Console (consolework.jar, dates,
# patterns and streams), each also as a copy with class-data = off. Then, on JDK 17 and on
# the newest Java under /usr/lib/jvm, it times, interleaved round by round:
# java with the launcher's properties, the floor, the launcher without an
# archive, the start that writes the archive (its cache removed before each
# run) and the starts that map it; to the window's "window opened" line and to
# the console program's end. Last the archives' sizes.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# shellcheck disable=SC2046
ensure_packages $(packages_for_preset linux) python3 xvfb

rounds=${1:-20}
build_bench

product=$bench/classdata
rm -rf "$product"
cp -r "$MIROBANTH_ROOT/build/linux/product" "$product"
cp "$bench/firstwindow.jar" "$bench/consolework.jar" "$product/"
look_and_feel=javax.swing.plaf.metal.MetalLookAndFeel
# describe NAME MAIN-CLASS JAR CLASS-DATA
describe() {
  cp "$product/Tintavel64-Console" "$product/$1"
  printf 'main-class = %s\nclass-path = %s\nlook-and-feel = %s\nclass-data = %s\n' \
    "$2" "$3" "$look_and_feel" "$4" >"$product/$1.cfg"
}
describe Window com.mirobanth.bench.FirstWindow firstwindow.jar auto
describe WindowOff com.mirobanth.bench.FirstWindow firstwindow.jar off
describe Console com.mirobanth.bench.ConsoleWork consolework.jar auto
describe ConsoleOff com.mirobanth.bench.ConsoleWork consolework.jar off

display=:$((100 + RANDOM % 400))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb' EXIT
sleep 1
export DISPLAY=$display
unset MIROBANTH MIROBANTH_SILENT MIROBANTH_JVM MIROBANTH_CLASSPATH

# The newest Java installed, by the feature version its release file states.
newest=$(for home in /usr/lib/jvm/*/; do
  version=$(sed -n 's/^JAVA_VERSION="\([0-9]*\).*/\1/p' "$home/release" 2>/dev/null)
  [ -n "$version" ] && echo "$version $(realpath "$home")"
done | sort -n | tail -1 | cut -d' ' -f2)

# The launcher's own properties, for java and the floor.
library_path="-Djava.library.path=$product:$product/system/"
properties="-Dmirobanth.nx=true $library_path -Dmirobanth.override=true
  -Dswing.defaultlaf=$look_and_feel -Dmirobanth.chrome=true -Dmirobanth.ignore1 -Dmirobanth.ignore2"

# time_jdk JAVA_HOME PROGRAM MAIN-CLASS JAR LINE
time_jdk() {
  local java=$1 program=$2 class=$3 jar=$4 line=$5
  local mapped=$bench/cache-mapped written=$bench/cache-written
  rm -rf "$mapped"
  env JAVA_HOME="$java" XDG_CACHE_HOME="$mapped" "$product/$program" >/dev/null
  echo
  echo "$program, $("$java/bin/java" -version 2>&1 | head -1), $rounds rounds, to ${line:-the end}"
  python3 "$MIROBANTH_ROOT/bench/time_to_line.py" "$rounds" java "$line" \
    "java=env JAVA_HOME=$java $java/bin/java -cp $product/$jar $(echo $properties) $class" \
    "floor=env FLOOR_LIBRARY_PATH=$library_path FLOOR_LOOK_AND_FEEL=-Dswing.defaultlaf=$look_and_feel
       $bench/floor $java/lib/server/libjvm.so $product/$jar ${class//.//}" \
    "launcher, no archive=env JAVA_HOME=$java $product/${program}Off" \
    "launcher, writing=env JAVA_HOME=$java XDG_CACHE_HOME=$written $product/$program" \
    "launcher, writing:prepare=rm -rf $written" \
    "launcher, mapping=env JAVA_HOME=$java XDG_CACHE_HOME=$mapped $product/$program"
  echo "archive: $(du -b "$mapped/$program"/classes-* | awk '{ printf "%.1f MiB %s", $1 / 1048576, $2 }')"
}

echo "Class-data benchmark ($(nproc) processors, load $(cut -d' ' -f1-3 /proc/loadavg))"
for java in /usr/lib/jvm/java-17-openjdk-amd64 ${newest:+"$newest"}; do
  time_jdk "$java" Window com.mirobanth.bench.FirstWindow firstwindow.jar "window opened"
  time_jdk "$java" Console com.mirobanth.bench.ConsoleWork consolework.jar ""
done
