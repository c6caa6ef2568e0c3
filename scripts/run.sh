#!/bin/sh
# Installs what Kurvex needs, builds it and starts it on the sample graph.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target kurvex -j "$(nproc)"
exec ./build/kurvex "$PWD/resources/samples/sample-graph.png"
