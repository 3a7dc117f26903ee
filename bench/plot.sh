#!/usr/bin/env bash
# Runs the repaint benchmarks and draws docs/repaint.png: the cost of repainting the scene
# against the number of trail dots, for one tick's dirty region and a full frame, next to a
# naive painter that draws every dot on every frame.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v gnuplot >/dev/null || ./scripts/setup.sh gnuplot-nox
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target lopena_bench >/dev/null
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
data=$(mktemp)
build/release/bench/lopena_bench --benchmark_filter='TickRepaint|FullFrameRepaint|NaiveFrame' \
    --benchmark_format=csv 2>/dev/null |
    awk -F, '/^"BM_/ { gsub(/"/, "", $1); split($1, p, "/"); print p[1], p[2], $4 }' >"$data"
cat "$data"
for series in BM_TickRepaint BM_FullFrameRepaint BM_NaiveFrame; do
    awk -v s="$series" '$1 == s { print $2 == 0 ? 1 : $2, $3 }' "$data" >"$data.$series"
done
gnuplot <<GP
set terminal pngcairo size 720,420 font "sans,10"
set output "docs/repaint.png"
set title "Repainting the scene with a trail of dots (offscreen, release build)"
set xlabel "trail dots"
set ylabel "microseconds per repaint"
set logscale xy
set key top left
set grid
plot "$data.BM_TickRepaint" using 1:2 with linespoints title "Lopena, one tick (dirty region)", \
     "$data.BM_FullFrameRepaint" using 1:2 with linespoints title "Lopena, full frame", \
     "$data.BM_NaiveFrame" using 1:2 with linespoints title "naive painter, every dot each frame"
GP
rm -f "$data" "$data".*
echo "docs/repaint.png written (0 dots is drawn at 1 on the log scale)"
