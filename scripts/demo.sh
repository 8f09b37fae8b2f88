#!/usr/bin/env bash
# The main job of `make demo`, on the Release build given as $1: a fresh platform home with the
# embedded default network database, the demo network of simulated MBX-440 devices, the
# plug-in registered as an automation server, and a director script that opens a device.
set -euo pipefail
build=$(cd "${1:-build/release}" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
export QBX_HOME=${QBX_DEMO_HOME:-$root/build/demo-home}
export QBX_HEADLESS=1
qbx="$build/tools/qbx/qbx"
plugin="$build/plugin/Korvane_MBX-440"

rm -rf "$QBX_HOME"
echo "== Platform home $QBX_HOME"
"$qbx" init
echo "== Demo network"
"$qbx" demo-network
"$qbx" device list Demo
echo "== Registering the plug-in's automation server"
"$plugin" /regserver
echo "== Director script data/scripts/demo.qbx"
"$qbx" script "$root/data/scripts/demo.qbx"
echo "== One device of the network"
"$qbx" cp get "Demo/Ground floor/Office 0.01" "F:0/C:3:40"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  shots="$root/build/demo-screenshots"
  rm -rf "$shots"
  echo "== No display: the plug-in's windows drawn offscreen to $shots"
  if ! QBX_HEADLESS=0 QT_QPA_PLATFORM=offscreen "$qbx" script - <<EOT
create p Korvane_MBX_440.QBXPlugInAPI
put p networkName "Demo"
call p SendCommand 13 7 "Demo/Ground floor/Office 0.01"
put p Visible true
ui screenshot $shots
put p Visible false
release p
EOT
  then
    echo "(no screenshots: this build has no Qt renderer)"
  fi
fi
echo "Done: the director created the plug-in, opened network \"Demo\" and configured \"Demo/Ground floor/Office 0.01\"."
