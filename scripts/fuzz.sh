#!/bin/sh
# Builds the libFuzzer programs of tests/fuzz with clang and runs each one for a fixed number
# of executions (default 200000) from its seed corpus; prints executions and findings per
# target. Not part of the test command: the replay of the corpus is. Each run may take at most
# 1 GB of memory: an input that makes the program take more is a finding.
#   scripts/fuzz.sh [executions] [seconds per target] [target...]
set -eu
cd "$(dirname "$0")/.."
runs="${1:-200000}"
seconds="${2:-600}"
shift 2 2>/dev/null || shift $#
targets="${*:-wmf_header decoder_reply picture_bytes number_text scan_frame pdf_page project_reader drawing_bytes vector_page}"
./scripts/setup.sh
for p in clang libclang-rt-14-dev; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    SUDO=""; if [ "$(id -u)" != "0" ]; then SUDO="sudo"; fi
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "$p"
  fi
done
CXX=clang++ cmake -S tests/fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j "$(nproc)"

status=0
printf '%-15s %12s %9s\n' target executions findings
for target in $targets; do
  work="build-fuzz/corpus/$target"
  mkdir -p "$work" "build-fuzz/findings/$target"
  log="build-fuzz/$target.log"
  # New inputs go to build-fuzz; the checked-in seeds stay as they are.
  if QT_QPA_PLATFORM=offscreen "./build-fuzz/fuzz_$target" -runs="$runs" \
       -max_total_time="$seconds" -rss_limit_mb=1024 -timeout=10 -print_final_stats=1 \
       -artifact_prefix="build-fuzz/findings/$target/" "$work" "tests/fuzz/corpus/$target" \
       >"$log" 2>&1; then :; else status=1; fi
  executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
  if [ -z "$executions" ]; then
    executions=$(grep -o '#[0-9]*' "$log" | tail -1 | tr -d '#')
  fi
  findings=$(find "build-fuzz/findings/$target" -type f | wc -l)
  printf '%-15s %12s %9s\n' "$target" "${executions:-?}" "$findings"
done
exit $status
