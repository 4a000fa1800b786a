#!/usr/bin/env bash
# The README's first command: sets the machine up, builds, starts ksw-sim (the simulated
# switch) on a free loopback port and the module against it. Closing the module stops ksw-sim.
#
#   scripts/demo.sh                     the module's window on your display
#   scripts/demo.sh --screenshot FILE   saves a picture of the window to FILE and ends
#
# Without a display (neither DISPLAY nor WAYLAND_DISPLAY set) the module runs under Xvfb, where
# nobody can see it: it then saves a screenshot (build/demo-screenshot.png unless --screenshot
# names another file) and ends.
#
# Everything the module reads lives in a temporary folder: a registry file of the demo's own
# (KSW_REGISTRY) whose MibFile key points at the device configuration folder, and the device
# configuration file 127.0.0.1.cfg with the simulator's port. The user's registry is not read.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

usage() { echo "usage: $0 [--screenshot FILE]" >&2; }
screenshot=""
while [ $# -gt 0 ]; do
  case "$1" in
    --screenshot)
      [ $# -ge 2 ] || { usage; exit 2; }
      screenshot=$2
      shift 2
      ;;
    *) usage; exit 2 ;;
  esac
done

./scripts/setup-debian.sh
cmake -S . -B build -G Ninja
cmake --build build

program=$(sed -n 's/^KSW_MODULE_PROGRAM:[A-Z]*=//p' build/CMakeCache.txt)
program=${program:-ksw7100}
module="$root/build/bin/$program"
sim="$root/build/bin/ksw-sim"

work=$(mktemp -d "${TMPDIR:-/tmp}/ksw-demo.XXXXXX")
sim_pid=""
cleanup() {
  if [ -n "$sim_pid" ]; then
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# ksw-sim picks a free port and says which once it is ready.
"$sim" --listen 127.0.0.1:0 >"$work/sim.out" 2>"$work/sim.err" &
sim_pid=$!
port=""
for _ in $(seq 1 200); do
  port=$(sed -n 's/^ksw-sim listening on udp:127\.0\.0\.1:\([0-9][0-9]*\)$/\1/p' "$work/sim.out")
  [ -n "$port" ] && break
  if ! kill -0 "$sim_pid" 2>/dev/null; then
    echo "ksw-sim did not start:" >&2
    cat "$work/sim.err" >&2
    exit 1
  fi
  sleep 0.1
done
if [ -z "$port" ]; then
  echo "ksw-sim did not report its port" >&2
  exit 1
fi
echo "ksw-sim (a simulated KSW-7116) is listening on 127.0.0.1:$port"

mkdir -p "$work/conf"
cat >"$work/registry.ini" <<INI
[\SOFTWARE\Quorix\Vantrix5.1\MibFile]
Path=$work/conf/
INI
cat >"$work/conf/127.0.0.1.cfg" <<CFG
[Program Information]
AgentPort=$port
Version=1
ContextName=
ContextEngineID=
SecurityModel=2
SecurityLevel=0
SecurityName=
AuthProtocol=0
PrivProtocol=0
AuthPassword=
PrivPassword=
CFG

arguments=(/I127.0.0.1 /Rmirepo /Wwrilato)
launcher=()
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  screenshot=${screenshot:-$root/build/demo-screenshot.png}
  echo "No display: running the module under Xvfb (xvfb-run); it saves a screenshot and ends."
  launcher=(xvfb-run -a -s "-screen 0 1024x768x24")
fi
if [ -n "$screenshot" ]; then
  case "$screenshot" in /*) ;; *) screenshot="$root/$screenshot" ;; esac
  arguments+=("--screenshot=$screenshot")
fi

echo "Starting the module: $program ${arguments[*]}"
# The module keeps its SNMPv3 boot counter in its working folder: the temporary one.
(cd "$work" && env -u QT_QPA_PLATFORM KSW_REGISTRY="$work/registry.ini" "${launcher[@]}" "$module" "${arguments[@]}")
echo "The module has ended; stopping ksw-sim."
