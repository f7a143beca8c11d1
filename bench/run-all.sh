#!/bin/bash
# Runs every benchmark against a build folder (default build/release) and reports each goal.
# Benchmarks that show the window run under a virtual display when none is set.
set -u
build=${1:-build/release}
failed=0

ondisplay() {
  if [ -n "${DISPLAY:-}" ]; then "$@"; else xvfb-run -a -s "-screen 0 1024x768x24" "$@"; fi
}

# A virtual display of 1920 x 1080 of its own, for the fullscreen runs.
onscreen1080() { xvfb-run -a -s "-screen 0 1920x1080x24" "$@"; }

run() {
  local name=$1; shift
  echo "== $name"
  if "$@"; then echo "-- $name: goal met"; else echo "-- $name: GOAL MISSED or failed"; failed=1; fi
}

run "presentation CPU" ondisplay "$build/bench/bench_presentation_cpu"
run "presentation CPU, large window" ondisplay "$build/bench/bench_presentation_cpu" --large
run "presentation CPU, fullscreen 1920 x 1080" onscreen1080 "$build/bench/bench_presentation_cpu" --fullscreen
run "sound output CPU" "$build/bench/bench_soundoutput_cpu"
run "landing fidelity" ondisplay "$build/bench/bench_landing_fidelity"
run "landing fidelity, fullscreen 1920 x 1080" onscreen1080 "$build/bench/bench_landing_fidelity" --fullscreen
run "time per winning line, one line" ondisplay "$build/bench/bench_line_timing" --lines one
run "time per winning line, nine lines" ondisplay "$build/bench/bench_line_timing" --lines many
run "headless spins per second" "$build/bench/bench_spins_per_second"
run "settle cost" "$build/bench/bench_settle_cost"
run "math figures" "$build/bench/bench_math_figures"
# The full event storm (make test runs fewer seeds under the sanitizers).
run "event storm, every seed" env ZEL_STORM_SEEDS=200 "$build/tests/tst_eventstorm"

exit $failed
