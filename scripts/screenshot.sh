#!/usr/bin/env bash
# Renews the pictures in docs/: the main window 2.2 s into a default flight with the trail on,
# and the About window, each taken under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target lopena_shot >/dev/null
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
# Settings of their own: the boxes kept from the user's last run would change what is shown.
export XDG_CONFIG_HOME=$(mktemp -d)
shot() { xvfb-run -a -s "-screen 0 1280x800x24" build/release/bench/lopena_shot "$@" 2>/dev/null; }
shot docs/screenshot.png 2200
shot docs/about.png about
echo "docs/screenshot.png and docs/about.png renewed"
