#!/usr/bin/env bash
# Usage: timed.sh PHASE COMMAND...
# Runs the command and says how long it took, also when it fails; the line is appended to
# $KELVORA_PHASE_LOG as well, when that is set, so that a run can sum its phases up at the end.
set -uo pipefail
phase=$1
shift
start=$(date +%s)
"$@"
status=$?
seconds=$(($(date +%s) - start))
line=$(printf '%-18s %3d min %02d s' "$phase" $((seconds / 60)) $((seconds % 60)))
[ "$status" -eq 0 ] || line="$line  (failed)"
echo "== $line"
[ -z "${KELVORA_PHASE_LOG:-}" ] || echo "$line" >>"$KELVORA_PHASE_LOG"
exit "$status"
