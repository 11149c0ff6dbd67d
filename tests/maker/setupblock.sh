#!/usr/bin/env bash
# The real setupblock from outside: output that cannot be written (a full disk, a pipe whose reader
# is gone) and memory that runs out end with status 2 and a German message, never with success, a
# signal or an abort; its JSON, read by a JSON parser, gives names and paths back exactly.
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

# Names with quotes, backslashes, control characters, umlauts and the euro sign (0x80 in 1252); a
# folder with letters that 1252 lacks, one outside the 16-bit range, and a tab.
out=$(python3 - "$tool" "$dir" <<'PY' 2>&1
import json, os, subprocess, sys
tool, dir = sys.argv[1], sys.argv[2]
ordner = os.path.join(dir, "\u0141\u00f3d\u017a \u2713 \U0001F600\tx") + "/"
os.makedirs(ordner)
datei = ordner + "bl\u00f6ck\\1.txt"
name = 'Z\u00e4hler \u20ac "neu" \\ a\tb\x01c'
with open(datei, "w", encoding="utf-8", newline="\n") as f:
    f.write("Codierung:\n#ZQ1#\n#n=%s\n#z=C:\\W\u00e9rk\\\n#m=14\n" % name)
    f.write('#d=Prog\x02.exe,Men\u00fc\\Text,-p=C:\\a "b"\n#ZQ1#\n')
lauf = subprocess.run([tool, "pruefen", datei, "--json"], stdout=subprocess.PIPE)
j = json.loads(lauf.stdout.decode("utf-8"))
d = j["dateien"][0]
gelesen = (j["quelle"]["datei"], j["quelle"]["gelesen"], j["ordner"], j["programmName"], j["zielPfad"]["wert"],
           d["datei"], d["menueText"], d["parameter"])
erwartet = (datei, datei, ordner, name, "C:\\W\u00e9rk\\", "Prog\x02.exe", "Men\u00fc\\Text", ['-p=C:\\a "b"'])
for g, e in zip(gelesen, erwartet):
    if g != e:
        print("read back %r, written %r" % (g, e))
PY
); rc=$?
check "JSON read back by a parser: names and paths exactly as written" '[ $rc = 0 ] && [ -z "$out" ]'
[ -z "$out" ] || echo "$out"

echo "$passed passed, $failures failed"
[ $failures = 0 ]
