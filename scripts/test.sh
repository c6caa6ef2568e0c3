#!/bin/sh
# Installs what Kurvex needs, builds it and runs every test: once in a normal build and once
# more under AddressSanitizer and UndefinedBehaviorSanitizer. Fails when any test fails.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKURVEX_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKURVEX_SANITIZE=ON -DKURVEX_WERROR=ON >/dev/null
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
