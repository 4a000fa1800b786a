#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test through ctest.
#   scripts/test.sh             normal build in build/
#   scripts/test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
# KSW_SANITIZE=1 selects the sanitizer build as well; KSW_SKIP_SETUP=1 leaves the packages alone
# (a second run right after a first one).
set -euo pipefail
cd "$(dirname "$0")/.."

sanitize=${KSW_SANITIZE:-0}
for arg in "$@"; do
  case "$arg" in
    --sanitize) sanitize=1 ;;
    *) echo "usage: $0 [--sanitize]" >&2; exit 2 ;;
  esac
done

if [ "${KSW_SKIP_SETUP:-0}" != 1 ]; then
  ./scripts/setup-debian.sh
fi

if [ "$sanitize" = 1 ]; then
  build=build-asan
  flags=(-DKSW_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
else
  build=build
  flags=()
fi

# Cache keys relative to the checkout, so another clone of the same tree hits the same entries.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
export CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-5G}"

cmake -S . -B "$build" -G Ninja "${flags[@]}"
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j2
