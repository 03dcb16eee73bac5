# Shared by the benchmarks: the quick-start set-up, where they build, and
# their build. Sourced, not run.
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"

bench=$MIROBANTH_ROOT/build/bench

# build_bench: the linux preset and the benchmarks' own programs and jars
# (the separate project bench/, never part of the main build).
build_bench() {
  build_preset linux >&2
  (cd "$MIROBANTH_ROOT" && cmake -S bench -B "$bench" -G Ninja -DCMAKE_BUILD_TYPE=Release >&2 \
    && cmake --build "$bench" >&2)
}

# start_timing [ROUNDS] [RUNS]: the start-up benchmarks' tools, rounds and
# runs (20 and 3 unless given), Java (JAVA_HOME, else OpenJDK 17), silence.
start_timing() {
  # shellcheck disable=SC2046
  ensure_packages $(packages_for_preset linux) hyperfine python3
  rounds=${1:-20}
  runs=${2:-3}
  export JAVA_HOME=${JAVA_HOME:-/usr/lib/jvm/java-17-openjdk-amd64}
  export MIROBANTH_SILENT=1
}

# timing_title: the first line of a start-up report.
timing_title() {
  echo "Start-up, $rounds rounds of $runs runs each ($(nproc) processors, $("$JAVA_HOME/bin/java" -version 2>&1 | head -1))"
}
