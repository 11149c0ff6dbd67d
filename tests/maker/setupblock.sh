#!/usr/bin/env bash
# The real setupblock from outside: output that cannot be written (a full disk, a pipe whose reader
# is gone) and memory that runs out end with status 2 and a German message, never with success, a
# signal or an abort.
# Called as: setupblock.sh SETUPBLOCK DIR
set -u
tool=$1
dir=$2
rm -rf "$dir" && mkdir -p "$dir"
failures=0
passed=0
check() { # what, then the condition
  if eval "$2"; then echo "ok: $1"; passed=$((passed + 1)); else echo "FAILED: $1"; failures=$((failures + 1)); fi
}

"$tool" vorlage > /dev/full 2> "$dir/fehler"; rc=$?
check "a full disk: status 2 and the message" \
  '[ $rc = 2 ] && grep -qx "setupblock: Die Ausgabe lässt sich nicht vollständig schreiben." "$dir/fehler"'

# The reader's end closed before the tool starts, the signal as a shell leaves it to a program.
rc=$(python3 -c '
import os, subprocess, sys
r, w = os.pipe()
os.close(r)
p = subprocess.run([sys.argv[1], "vorlage"], stdout=w, stderr=open(sys.argv[2], "wb"))
print(p.returncode)' "$tool" "$dir/fehler")
check "a closed pipe: status 2 and the message, not SIGPIPE (status $rc)" \
  '[ "$rc" = 2 ] && grep -qx "setupblock: Die Ausgabe lässt sich nicht vollständig schreiben." "$dir/fehler"'

# Read whole, a file of 2 GB (sparse) needs more memory than the limit leaves.
truncate -s 2G "$dir/riesig.txt"
(ulimit -v 262144; exec "$tool" pruefen "$dir/riesig.txt") > /dev/null 2> "$dir/fehler"; rc=$?
check "memory that runs out: status 2 and the message (status $rc)" \
  '[ $rc = 2 ] && grep -qx "setupblock: Es ist nicht genug Speicher frei." "$dir/fehler"'
rm -f "$dir/riesig.txt"

echo "$passed passed, $failures failed"
[ $failures = 0 ]
