#!/usr/bin/env bash
# Measures the browser edition in headless Chromium against bare pages, medians of interleaved
# runs: load to first frame, CPU of a flight with and without 32,766 dots, memory, the file; then
# the lab notebook's panel (bench/notebook.mjs); then the first frame in Chromium, Firefox and
# WebKit, cold and warm (bench/engines.mjs).
#   bench/web.sh [RUNS]      (default 5; builds the page first)
#   bench/web.sh shot        (renews docs/web.png and docs/web-notebook-*.png)
set -euo pipefail
cd "$(dirname "$0")/.."
make --no-print-directory web >/dev/null
node bench/web.mjs build/web/lopena.html "${1:-5}"
node bench/notebook.mjs build/web/lopena.html "${1:-5}"
node bench/engines.mjs build/web/lopena.html "${1:-5}"
