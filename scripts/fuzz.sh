#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a while.
#   scripts/fuzz.sh BUILD-FOLDER SECONDS-PER-TARGET JOBS [TARGET...]
# New inputs that add coverage go to BUILD-FOLDER/corpus/<target> (the
# committed corpus under fuzz/corpus is only read); a faulty input is saved
# as BUILD-FOLDER/findings/<target>/crash-... and the run goes on with the
# next target. The exit status is 1 when any target found a fault.
set -uo pipefail
build=${1:?build folder}
seconds=${2:?seconds per target}
jobs=${3:-2}
shift 3 || shift $#
root=$(cd "$(dirname "$0")/.." && pwd)

fuzzer_lib=$(clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a 2>/dev/null || true)
if ! command -v clang++ >/dev/null || [ ! -f "$fuzzer_lib" ]; then
  echo "make fuzz needs clang and its libFuzzer runtime. On Debian 12:" >&2
  echo "  sudo apt-get install clang libclang-rt-14-dev" >&2
  exit 2
fi

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVANTOR_MODEL_ONLY=ON -DVANTOR_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null || exit 1
cmake --build "$build" --target fuzzers -j "$jobs" || exit 1

if [ $# -eq 0 ]; then
  set -- $(ls "$root/fuzz/corpus")
fi
failed=()
for t in "$@"; do
  mkdir -p "$build/corpus/$t" "$build/findings/$t"
  echo "=== $t: ${seconds} s"
  # The dictionary holds the section markers, which mutation alone rarely spells.
  "$build/fuzz/fuzz_$t" "$build/corpus/$t" "$root/fuzz/corpus/$t" \
    -dict="$root/fuzz/markers.dict" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$build/findings/$t/" -print_final_stats=1 2>"$build/findings/$t.log"
  status=$?
  grep -E "stat::number_of_executed_units|round-trip fault|ERROR:" "$build/findings/$t.log" | head -3
  if [ $status -ne 0 ]; then
    failed+=("$t")
    echo "    fault: see $build/findings/$t.log and $build/findings/$t/"
  fi
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "Faults found by: ${failed[*]}"
  exit 1
fi
echo "No faults found."
