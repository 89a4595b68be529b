#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build and
# a second build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -e
cd "$(dirname "$0")"
. scripts/setup.sh
tarn_setup_packages
jobs=$(nproc)
tarn_build build
(cd build && ctest --output-on-failure -j"$jobs")
tarn_build build-asan -DTARN_SANITIZE=ON -DTARN_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j"$jobs")
echo "All tests passed."
