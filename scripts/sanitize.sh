#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitize/ (or
# SANITIZE_DIR) and runs the whole suite there. Slow; not part of CI.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SANITIZE_DIR:-$root/build-sanitize}
jobs=${JOBS:-$(nproc)}
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j "$jobs"
cd "$build"
# Qt keeps some allocations until exit on purpose; leaks are not what this run looks for.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} ctest --output-on-failure -j "$jobs"
