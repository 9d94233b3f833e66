#!/usr/bin/env bash
# A longer fault campaign than the test's sweep: every scenario of the sweep
# (tests/cli/FaultSweepTest.cpp) with more files, at a random sample of its
# points (call kind, call number, fail, kill or fail after the call), each
# checked as the sweep checks it. Prints the failing points and a count per
# scenario; exits non-zero when any point fails.
# Usage: bench/fault-campaign.sh BUILD_DIR [FILES] [POINTS] [SEED]
#   FILES  files per scenario (default 12)
#   POINTS random points per scenario and rename variant (default 150; 0 for all)
#   SEED   of the random choice (default: the time)
set -euo pipefail
build=${1:?build folder}
test_cli="$(realpath "$build")/tests/test_cli"
[ -x "$test_cli" ] || { echo "test_cli not built in $build (KESTREL_BUILD_TESTS)" >&2; exit 1; }
export KESTREL_FAULT_SWEEP_FILES=${2:-12}
export KESTREL_FAULT_SWEEP_SAMPLE=${3:-150}
export KESTREL_FAULT_SWEEP_SEED=${4:-$(date +%s)}
echo "fault campaign: $KESTREL_FAULT_SWEEP_FILES files, $KESTREL_FAULT_SWEEP_SAMPLE points a scenario, seed $KESTREL_FAULT_SWEEP_SEED"
status=0
"$test_cli" --gtest_filter='Scenarios/FaultSweepTest.*' --gtest_brief=1 || status=$?
exit "$status"
