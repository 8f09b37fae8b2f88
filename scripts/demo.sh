#!/usr/bin/env bash
# The main job of `make demo`, on the Release build given as $1.
set -euo pipefail
build=${1:-build/release}
echo "Built the Release tree in $build."
echo "The platform core (event loop, clocks, files, code pages) is in place; the demo grows as the"
echo "network database, the director and the plug-in land."
