#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite through CTest: once in
# an ordinary build with warnings as errors, once under AddressSanitizer and
# UndefinedBehaviorSanitizer; then the fuzz targets, built by clang with libFuzzer.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
source scripts/test-cups.sh

install_missing "${QUILLGRID_BUILD_PACKAGES[@]}" "${QUILLGRID_TEST_PACKAGES[@]}"
# Some builds of nodejs bring their own npm, which Debian's npm package conflicts with.
command -v npm >/dev/null || install_missing npm
# The independent reader of exported crosswords, at the version its lock file pins.
(cd tests/exchange/reader && npm ci --no-audit --no-fund --loglevel=error)
# Another program's .puz writer, whose files the import tests read, pinned the same way.
(cd tests/exchange/writer && npm ci --no-audit --no-fund --loglevel=error)

export QT_QPA_PLATFORM=offscreen

trap stop_test_cups EXIT
start_test_cups

configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLGRID_WERROR=ON
ctest --test-dir build --output-on-failure

configure_and_build build-asan -DCMAKE_BUILD_TYPE=Debug -DQUILLGRID_WERROR=ON \
    -DQUILLGRID_SANITIZE=ON
# Qt and fontconfig keep caches alive until exit, which the leak checker would report
# on every test; memory errors and undefined behaviour are still fatal.
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure

# Replays every seed corpus, then fuzzes each target for a short bounded time.
configure_and_build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLGRID_WERROR=ON \
    -DCMAKE_CXX_COMPILER=clang++ -DQUILLGRID_FUZZ=ON
ctest --test-dir build-fuzz --output-on-failure
