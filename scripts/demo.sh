#!/usr/bin/env bash
# The main job of `make demo`, on the Release build given as $1: a fresh platform home with the
# embedded default network database, the demo network of simulated MBX-440 devices, the
# plug-in registered as an automation server, and a director script that opens a device. With a
# display it then shows the plug-in's window until the user closes it; without one it draws the
# windows offscreen into build/demo-screenshots.
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
shots="$root/build/demo-screenshots"
rm -rf "$shots"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "== No display: the plug-in's windows drawn offscreen to $shots"
  # The start-up windows first (splash and progress), then the main window with the device.
  if ! QBX_HEADLESS=0 QT_QPA_PLATFORM=offscreen "$qbx" script - <<EOT
create p Korvane_MBX_440.QBXPlugInAPI
put p networkName "Demo"
ui screenshot $shots/start-up
call p SendCommand 13 7 "Demo/Ground floor/Office 0.01"
put p Visible true
ui screenshot $shots
put p Visible false
release p
EOT
  then
    echo "(no screenshots: this build has no Qt renderer)"
  else
    echo "Screenshots: $(cd "$shots" && find . -name '*.png' | sort | tr '\n' ' ')"
  fi
  echo "Done: the director created the plug-in, opened network \"Demo\" and configured \"Demo/Ground floor/Office 0.01\"."
  exit 0
fi

# A display: the director opens the device and shows the window, then lets go of its object;
# the plug-in stays until the user closes its window.
echo "== The plug-in's window on your display: the demo ends when you close it"
QBX_HEADLESS=0 "$qbx" script - <<EOT
create p Korvane_MBX_440.QBXPlugInAPI
put p networkName "Demo"
call p SendCommand 13 7 "Demo/Ground floor/Office 0.01"
put p Visible true
release p
EOT
pidfile="$QBX_HOME/run/korvane_mbx_440.qbxpluginapi.pid"
while pid=$(cat "$pidfile" 2>/dev/null) && [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; do
  sleep 1
done
echo "Done: the director created the plug-in, opened network \"Demo\", configured \"Demo/Ground floor/Office 0.01\" and showed its window."
