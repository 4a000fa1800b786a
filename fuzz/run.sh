#!/usr/bin/env bash
# fuzz/run.sh [SECONDS] [TARGET...]
# Builds the libFuzzer targets in their own build directory (clang, -DKSW_FUZZ=ON) and runs
# each named target (all by default) for SECONDS (default 600), one after the other.
# New corpus entries go to a scratch corpus, never to fuzz/corpus/; crashes, time-outs and
# leaks go to the artifacts folder. Environment:
#   KSW_FUZZ_BUILD       build directory (default: build-fuzz in the source tree)
#   KSW_FUZZ_SKIP_BUILD  1 = use the executables already built (e.g. for a second run in parallel)
#   KSW_FUZZ_ARGS        more libFuzzer options, e.g. "-jobs=2 -workers=2" or "-use_value_profile=1"
#   TMPDIR               where the targets put their scratch files (default /dev/shm when there)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")
build=${KSW_FUZZ_BUILD:-$source_dir/build-fuzz}

seconds=${1:-600}
if [[ $# -gt 0 ]]; then shift; fi
if ! [[ $seconds =~ ^[0-9]+$ ]]; then
  echo "usage: $0 [SECONDS] [TARGET...]" >&2
  exit 2
fi

all_targets=(valuetext index editformat evaluate catalogue ini registry device_config command_line)
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then targets=("${all_targets[@]}"); fi

# Longest input per target: enough for the structures each reads (deep nesting for the
# evaluators, long lines for the catalogue loader), small enough to keep runs fast.
max_len_of() {
  case $1 in
    evaluate|catalogue) echo 4096 ;;
    ini|command_line) echo 2048 ;;
    registry|device_config) echo 1024 ;;
    editformat) echo 256 ;;
    *) echo 512 ;;
  esac
}

# The slow targets (a file written and read for every input) would take most of a run to
# reach inputs of a useful length at libFuzzer's usual pace.
length_control_of() {
  case $1 in
    registry|device_config|command_line|catalogue|ini) echo 20 ;;
    *) echo 100 ;;
  esac
}

for target in "${targets[@]}"; do
  if [[ ! -d $here/corpus/$target ]]; then
    echo "unknown target '$target' (known: ${all_targets[*]})" >&2
    exit 2
  fi
done

if [[ ${KSW_FUZZ_SKIP_BUILD:-0} != 1 ]]; then
  if [[ ! -f $build/CMakeCache.txt ]]; then
    CC=clang CXX=clang++ cmake -S "$source_dir" -B "$build" -G Ninja -DKSW_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"
fi

# The targets write small files for every input (the registry's writes are synced to disk):
# on a memory file system that costs nothing.
if [[ -z ${TMPDIR:-} && -d /dev/shm && -w /dev/shm ]]; then export TMPDIR=/dev/shm; fi

status=0
for target in "${targets[@]}"; do
  scratch=$build/corpus/$target
  artifacts=$build/artifacts/$target
  log=$build/logs/$target.log
  mkdir -p "$scratch" "$artifacts" "$(dirname "$log")"
  options=(-max_total_time="$seconds" -max_len="$(max_len_of "$target")"
           -len_control="$(length_control_of "$target")" -timeout=10 -rss_limit_mb=2048
           -print_final_stats=1 -artifact_prefix="$artifacts/")
  if [[ -f $here/dict/$target.dict ]]; then options+=(-dict="$here/dict/$target.dict"); fi
  # shellcheck disable=SC2206
  options+=(${KSW_FUZZ_ARGS:-})
  echo "== fuzz_$target for ${seconds}s (log: $log)"
  # The scratch corpus comes first: libFuzzer adds what it finds to the first folder only.
  if ! ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} \
       nice "$build/bin/fuzz_$target" "${options[@]}" "$scratch" "$here/corpus/$target" >"$log" 2>&1; then
    echo "fuzz_$target found something: see $log and $artifacts/" >&2
    status=1
  fi
  # The last status line (coverage, corpus size) and the run count.
  grep -E '^#[0-9]+.*cov:' "$log" | tail -n 1 || true
  grep -E '^Done [0-9]+ runs' "$log" || true
done
exit $status
