#!/usr/bin/env bash
# One entry point for users and CI.
#   ./build.sh run    install what is missing, build, start the calculator
#   ./build.sh test   install what is missing, build, run every test
#   ./build.sh ci     the test run, then the sanitizer run and a short fuzzing run
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
jobs=$(nproc 2>/dev/null || echo 4)

case "$mode" in
  run) bash scripts/install-deps.sh run ;;
  test|ci) bash scripts/install-deps.sh test ;;
  *) echo "usage: $0 run|test|ci" >&2; exit 2 ;;
esac

configure_and_build() {  # dir, extra cmake arguments...
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

case "$mode" in
  run)
    configure_and_build build -DSUITE_BUILD_TESTS=OFF -DSUITE_BUILD_BENCHMARKS=OFF
    exec build/bin/velstra
    ;;
  test)
    configure_and_build build -DSUITE_BUILD_TESTS=ON -DSUITE_BUILD_BENCHMARKS=ON
    ctest --test-dir build --output-on-failure -j "$jobs"
    ;;
  ci)
    "$0" test
    echo "== AddressSanitizer and UndefinedBehaviorSanitizer =="
    configure_and_build build-sanitize -DSUITE_SANITIZE=ON -DSUITE_BUILD_BENCHMARKS=OFF \
      -DCMAKE_BUILD_TYPE=Debug
    ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -E '^e2e'
    echo "== fuzzing =="
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DSUITE_BUILD_FUZZERS=ON \
      -DSUITE_BUILD_TESTS=OFF -DSUITE_BUILD_BENCHMARKS=OFF >/dev/null
    for source in fuzz/*.cpp; do
      name=$(basename "$source" .cpp)
      cmake --build build-fuzz -j "$jobs" --target "$name"
      mkdir -p "build-fuzz/corpus/$name"
      # A short, bounded run from the seeds: enough to catch a crash, a hang or a read past the end.
      "build-fuzz/fuzz/$name" -max_total_time=60 -timeout=5 "build-fuzz/corpus/$name" "tests/data/fuzz/$name"
    done
    ;;
esac
