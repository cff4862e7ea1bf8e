#!/usr/bin/env bash
# Starts the program on a virtual screen with the example document and saves a picture of
# the main window. Usage: scripts/screenshot.sh [BUILD_DIR] [OUTPUT.png]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
output=$(realpath -m "${2:-$build/screenshot.png}")

# Settings of its own, so that neither the user's window placement nor the title window
# changes the picture, and the run changes nothing of the user's.
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT

# From beside the program, where the build puts the reference data.
cd "$build/bin"
XDG_CONFIG_HOME=$config xvfb-run -a -s "-screen 0 1600x1000x24" \
  ./kelvora --screenshot "$output" "$root/examples/heatloss-pipe.vtp"
echo "$output"
