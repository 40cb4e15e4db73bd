#!/usr/bin/env bash
# Builds vxconfig and starts it against the built-in adapter simulator (vxsim,
# master password 1234). With a real adapter: run build/bin/vxconfig and choose
# the port, or set VXCONFIG_PORTS=/dev/ttyUSB0.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/tools/setup-deps.sh"
build=${VX_BUILD_DIR:-$here/build}
VX_BUILD_TARGETS="vxconfig vxsim" "$here/tools/build.sh" "$build"

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "vxconfig needs a display: run it in a desktop session or under xvfb-run." >&2
    exit 1
fi

# The program finds its images and catalogues beside itself; it runs in the
# caller's folder, where its file dialogs open.
bin=$build/bin
sim_out=$(mktemp)
"$bin/vxsim" --chatter 1 "$@" >"$sim_out" &
sim=$!
trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null; rm -f "$sim_out"' EXIT
for _ in $(seq 50); do
    [ -s "$sim_out" ] && break
    sleep 0.1
done
port=$(head -n 1 "$sim_out")
if [ -z "$port" ]; then
    echo "The adapter simulator did not start." >&2
    exit 1
fi
echo "Adapter simulator on $port (master password 1234)"
VXCONFIG_PORTS="$port${VXCONFIG_PORTS:+:$VXCONFIG_PORTS}" "$bin/vxconfig"
