#!/usr/bin/env bash
# Get-next exchanges per second between net-snmp's snmpwalk (plain GETNEXT, one varbind per
# request) and ksw-sim on loopback, walking the forwarding table.
#   bench/sim_throughput.sh [BUILD_DIR] [FDB_ENTRIES]     (defaults: build 10000)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
entries=${2:-10000}
sim="$build/bin/ksw-sim"
[ -x "$sim" ] || { echo "no $sim: build it first (cmake --build $build)" >&2; exit 1; }

work=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

"$sim" --listen 127.0.0.1:0 --fdb-entries "$entries" > "$work/out" 2> "$work/err" &
pid=$!
for _ in $(seq 100); do
  grep -q "listening" "$work/out" 2>/dev/null && break
  sleep 0.1
done
peer=$(sed -n 's/^ksw-sim listening on //p' "$work/out")
[ -n "$peer" ] || { echo "ksw-sim did not start:" >&2; cat "$work/err" >&2; exit 1; }

# No MIB files and a private configuration for the tools.
export MIBS= MIBDIRS=/nonexistent SNMPCONFPATH="$work" SNMP_PERSISTENT_DIR="$work"
mkdir -p "$work/cert_indexes"  # or the tools announce that they created it

measure() {
  local label=$1; shift
  local start end lines
  start=$(date +%s.%N)
  lines=$(snmpwalk "$@" -On -Oq -t 2 -r 1 "$peer" 1.3.6.1.2.1.17.7.1.2.2 | wc -l)
  end=$(date +%s.%N)
  # One get-next per row and column, and one more that leaves the table.
  awk -v n="$((lines + 1))" -v s="$start" -v e="$end" -v l="$label" \
    'BEGIN { printf "%-22s %6d get-next exchanges in %.2f s: %.0f exchanges/s\n", l, n, e - s, n / (e - s) }'
}

echo "ksw-sim, $entries forwarding entries, snmpwalk on $peer"
measure "v2c" -v2c -c mirepo
measure "v3 authPriv SHA/DES" -v3 -u admin -l authPriv -a SHA -A adminauth123 -x DES -X adminpriv123
