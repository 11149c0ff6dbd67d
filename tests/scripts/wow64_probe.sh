#!/usr/bin/env bash
# The kernel probe that decides whether the i686 tiers run: its answer on this machine, and the
# "no" answer made real by a switch into a segment that holds no code, and a fault of the probe's own
# that must not pass for a "no". Called as: wow64_probe.sh DIR
set -u
wow64=$(dirname "$0")/../../scripts/wow64
dir=$1
failures=0
check() { # what, then the command's status and output
  if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi
}

out=$("$wow64" probe "$dir" 2>&1); rc=$?
echo "$out"
case $rc in
  0) echo "this machine's kernel runs 32-bit code: the i686 tiers run here" ;;
  3) echo "this machine's kernel runs no 32-bit code: the i686 tiers are skipped here" ;;
esac
check "the probe answers yes (0) or no (3), and says the same" \
  '{ [ $rc = 0 ] && [[ $out == *"runs 32-bit code"* ]]; } || { [ $rc = 3 ] && [[ $out == *"runs no 32-bit code"* ]]; }'

out=$(ZQ_IA32_PROBE_SELECTOR=0x2b "$wow64" probe "$dir" 2>&1); rc=$?
check "a switch that faults is a no (3) with the reason" '[ $rc = 3 ] && [[ $out == *"runs no 32-bit code"*"faulted"* ]]'

out=$(ZQ_IA32_PROBE_SELECTOR=anderswo "$wow64" probe "$dir" 2>&1); rc=$?
check "a fault away from the far call is the probe's own failure (1), not a no" \
  '[ $rc = 1 ] && [[ $out == *"away from its far call"* ]] && [[ $out != *"runs no 32-bit code"* ]]'

rm -rf "$dir/wineprefix" "$dir/wow64.env"
out=$(ZQ_IA32_PROBE_SELECTOR=0x2b "$wow64" start "$dir" 2>&1); rc=$?
check "start on such a kernel stops with 3 before it makes anything" \
  '[ $rc = 3 ] && [ ! -e "$dir/wow64.env" ] && [ ! -e "$dir/wineprefix" ]'

echo "$((4 - failures)) passed, $failures failed"
[ $failures = 0 ]
