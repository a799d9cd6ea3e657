#!/usr/bin/env bash
# silent-retry.sh WITH_WINE...: with TTT_WINE_SILENT_RETRY=1, a run that fails having written
# nothing is made once more, and only such a run: one that then passes passes, one that fails
# again fails with its status, and one that fails with output is not made again.
set -u
fail() { echo "silent-retry: FAILED: $*" >&2; exit 1; }
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
# The stand-in program COUNTER PLAN...: its Nth run (counted in COUNTER) does what the Nth word
# of PLAN says: "quiet" fails with status 3 and no output, "loud" fails with output, or passes.
cat >"$work/program.sh" <<'PROGRAM'
counter=$1
shift
echo run >>"$counter"
runs=$(wc -l <"$counter")
plan=("$@")
case ${plan[runs - 1]:-pass} in
  quiet) exit 3 ;;
  loud) echo "loud failure"; exit 1 ;;
esac
echo "passed on run $runs"
PROGRAM
# run_plan PLAN...: runs the stand-in with that plan; sets out, status and runs.
with_wine=("$@")
run_plan() {
  rm -f "$work/counter"
  out=$(TTT_WINE_SILENT_RETRY=1 TTT_WINE_OWN_SERVER=1 "${with_wine[@]}" --script "$work/program.sh" "$work/counter" "$@" 2>&1)
  status=$?
  runs=$(wc -l <"$work/counter")
}
run_plan quiet pass
[ "$status" = 0 ] && [ "$runs" = 2 ] || fail "a quiet failure then a pass: status $status after $runs runs"
[[ $out == *"running it once more"*"passed on run 2"* ]] || fail "no word of the second run: $out"
run_plan quiet quiet pass
[ "$status" = 3 ] && [ "$runs" = 2 ] || fail "two quiet failures: status $status after $runs runs"
run_plan loud pass
[ "$status" = 1 ] && [ "$runs" = 1 ] || fail "a failure with output: status $status after $runs runs"
[[ $out == *"loud failure"* ]] || fail "the failure's output is lost: $out"
echo "silent-retry: a silent failure is run once more, and nothing else"
