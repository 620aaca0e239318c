#!/usr/bin/env bash
# Runs every benchmark of a build (default: the release preset) and then prints each figure
# beside its baselines. A benchmark named "<Group>/baseline_<what>" is a baseline of the other
# benchmarks of <Group> in the same executable; a few older names are paired in $pairs below.
# The window benchmarks and the start-up
# benchmark need an X display: without one, the whole run goes under a private Xvfb server.
set -euo pipefail
preset=${1:-release}
cd "$(dirname "$0")/.."
build=build/$preset

if [ -z "${DISPLAY:-}" ]; then
  # -noreset: the server stays up between the programs the start-up benchmark starts.
  exec xvfb-run -a -s "-screen 0 1600x1200x24 -noreset" bash "$0" "$@"
fi
export NO_AT_BRIDGE=1            # no accessibility bus on a headless machine
export GTK_OVERLAY_SCROLLING=0

results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

status=0
for bench in "$build"/bench/*_bench; do
  [ -x "$bench" ] || continue
  name=$(basename "$bench")
  echo "== $name"
  if ! "$bench" --benchmark_out="$results/$name.csv" --benchmark_out_format=csv; then
    echo "$name failed" >&2
    status=1
  fi
  echo
done

startup="$build/bench/startup/startup_bench"
startup_report=""
if [ -x "$startup" ]; then
  echo "== startup_bench"
  if startup_report=$("$startup" "${DVR_STARTUP_RUNS:-10}"); then
    echo "$startup_report"
  else
    echo "startup_bench failed" >&2
    status=1
  fi
  echo
fi

# figure>baseline pairs of benchmarks not named after the baseline_ convention.
pairs="BM_RescanNoCard>BM_Stat24,WeekStrip/render_256_entries_900x140>WeekStrip/clear_900x140,WeekStrip/ghost_move_256_entries_900x140>WeekStrip/clear_900x140"

echo "== Summary: each figure beside its baselines (real time; ratio = figure / baseline)"
for csv in "$results"/*.csv; do
  [ -s "$csv" ] || continue
  awk -F, -v pairs="$pairs" '
    function ns(t, unit) {
      if (unit == "us") return t * 1e3
      if (unit == "ms") return t * 1e6
      if (unit == "s") return t * 1e9
      return t
    }
    function show(t) {
      if (t >= 1e6) return sprintf("%10.2f ms", t / 1e6)
      if (t >= 1e3) return sprintf("%10.2f us", t / 1e3)
      return sprintf("%10.1f ns", t)
    }
    BEGIN {
      n = split(pairs, list, ",")
      for (i = 1; i <= n; ++i) { split(list[i], fb, ">"); pairedBase[fb[2]] = fb[1]; pairedFig[fb[1]] = fb[2] }
    }
    /^name,/ { started = 1; next }
    started && NF >= 5 {
      name = $1; gsub(/"/, "", name)
      group = name; sub(/\/.*/, "", group)
      what = name; sub(/^[^\/]*\/?/, "", what)
      t[name] = ns($3, $5)
      if (!(group in seen)) { seen[group] = 1; order[++groups] = group }
      if (what ~ /^baseline_/) base[group, ++nbase[group]] = name
      else if (!(name in pairedBase)) fig[group, ++nfig[group]] = name
    }
    function ratio(f, b) { printf "    %-56s %s   ratio %8.2fx\n", b, show(t[b]), t[f] / t[b] }
    END {
      for (g = 1; g <= groups; ++g) {
        group = order[g]
        for (i = 1; i <= nfig[group]; ++i) {
          f = fig[group, i]
          printf "  %-58s %s\n", f, show(t[f])
          for (j = 1; j <= nbase[group]; ++j) ratio(f, base[group, j])
          if ((f in pairedFig) && (pairedFig[f] in t)) ratio(f, pairedFig[f])
        }
      }
    }' "$csv"
done
[ -n "$startup_report" ] && echo "$startup_report" | sed 's/^/  /'
exit $status
