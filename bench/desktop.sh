#!/usr/bin/env bash
# Measures Lopena against a bare Qt window on a real X server (Xvfb), interleaving the runs,
# and prints the median of each figure and the ratios.
#   bench/desktop.sh [RUNS]      (default 7; builds the release preset first)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
dots=32766

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target lopena_probe lopena_bare >/dev/null
bin=build/release/bench

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
# Settings of their own: the boxes kept from the user's last run would change what is shown.
export XDG_CONFIG_HOME=$(mktemp -d)
# Xvfb picks a free display and names it once it accepts clients: a display shared with another
# run, or not yet up, would make a program abort.
ready=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$ready"' EXIT
until [[ -s $ready ]]; do kill -0 $xvfb; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$ready") QT_QPA_PLATFORM=xcb

out=$(mktemp -d)
launch() { # name, then the command
    local name=$1; shift
    LOPENA_T0=$(date +%s%N) "$@" 2>/dev/null | sed "s/^/$name /" >>"$out/all"
}
for ((i = 0; i < runs; i++)); do
    launch bare "$bin/lopena_bare"
    launch text "$bin/lopena_bare" text
    launch lopena "$bin/lopena_probe"
    launch timers "$bin/lopena_bare" timers 3
    launch patches "$bin/lopena_bare" patches 3
    launch flight "$bin/lopena_probe" flight "$dots"
    launch empty "$bin/lopena_probe" flight 0
    for tab in 0 1 2 3; do
        launch "notebook$tab" "$bin/lopena_probe" flight 0 notebook "$tab"
    done
done

median() { # program, figure
    awk -v p="$1" -v f="$2" '$1 == p && $2 == f { print $3 }' "$out/all" | sort -n |
        awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

ff_bare=$(median bare first_frame_ms);  ff_ours=$(median lopena first_frame_ms); ff_text=$(median text first_frame_ms)
ffc_ours=$(median lopena first_frame_cpu_ms); ffc_text=$(median text first_frame_cpu_ms)
rss_bare=$(median bare rss_shown_mb);   rss_ours=$(median lopena rss_shown_mb); rss_text=$(median text rss_shown_mb)
cpu_patches=$(median patches cpu_ms)
rss_dots=$(median flight rss_dots_mb);  rss_none=$(median empty rss_dots_mb)
cpu_bare=$(median timers cpu_ms);       cpu_ours=$(median flight cpu_ms); cpu_none=$(median empty cpu_ms)
landing=$(median flight start_to_landing_ms)
opening=$(median notebook0 notebook_open_ms)

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $runs runs, medians"
printf '%-44s %10s %10s %8s\n' figure lopena bare ratio
printf '%-44s %10s %10s %8s\n' "first painted frame (ms)" "$ff_ours" "$ff_bare" "$(ratio "$ff_ours" "$ff_bare")"
printf '%-44s %10s %10s %8s\n' "  bare window with one line of text (ms)" "" "$ff_text" "$(ratio "$ff_ours" "$ff_text")"
printf '%-44s %10s %10s %8s\n' "  CPU until then, against the text window (ms)" "$ffc_ours" "$ffc_text" "$(ratio "$ffc_ours" "$ffc_text")"
printf '%-44s %10s %10s %8s\n' "resident memory after showing (MB)" "$rss_ours" "$rss_bare" "$(ratio "$rss_ours" "$rss_bare")"
printf '%-44s %10s %10s %8s\n' "  bare window with one line of text (MB)" "" "$rss_text" \
    "+$(awk -v a="$rss_ours" -v b="$rss_text" 'BEGIN { printf "%.1f", a - b }')"
printf '%-44s %10s %10s %8s\n' "resident memory with $dots dots (MB)" "$rss_dots" "$rss_bare" \
    "+$(awk -v a="$rss_dots" -v b="$rss_bare" 'BEGIN { printf "%.1f", a - b }')"
printf '%-44s %10s %10s %8s\n' "  the same flight with no dots (MB)" "$rss_none" "" ""
printf '%-44s %10s %10s %8s\n' "CPU during a flight with $dots dots (ms)" "$cpu_ours" "$cpu_bare" "$(ratio "$cpu_ours" "$cpu_bare")"
printf '%-44s %10s %10s %8s\n' "  the same flight with no dots (ms)" "$cpu_none" "" ""
printf '%-44s %10s %10s %8s\n' "  bare timers repainting 3 patches (ms)" "" "$cpu_patches" "$(ratio "$cpu_ours" "$cpu_patches")"
for tab in 0 1 2 3; do
    cpu_tab=$(median "notebook$tab" cpu_ms)
    printf '%-44s %10s %10s %8s\n' "  with the notebook open on tab $tab (ms)" "$cpu_tab" "$cpu_none" "$(ratio "$cpu_tab" "$cpu_none")"
done
printf '%-44s %10s %10s %8s\n' "opening the notebook the first time (ms)" "$opening" "150" "$(ratio "$opening" 150)"
printf '%-44s %10s %10s %8s\n' "Start to landing, default flight (ms)" "$landing" "3000" "$(ratio "$landing" 3000)"
rm -rf "$out"
