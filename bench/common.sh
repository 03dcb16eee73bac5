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
