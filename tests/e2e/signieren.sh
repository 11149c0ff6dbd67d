#!/usr/bin/env bash
# The signed installers of Signatur_e2e.cpp, made on the host as a maker makes them: a throwaway
# certificate, a block attached with setupblock (the Windows build, run through ctest's Wine
# emulator), osslsigncode sign and verify; then setupblock's word on the signed file, and the same
# file with a second block attached after signing.
#   signieren.sh EMULATOR SETUPBLOCK.EXE SETUP.EXE OUT
# Writes OUT/Signiert.exe and OUT/Danach.exe; the key and the certificate stay in OUT.
set -euo pipefail
emulator=$1 werkzeug=$2 setup=$3 out=$4
rm -rf "$out"
mkdir -p "$out"
cd "$out"

openssl req -x509 -newkey rsa:2048 -nodes -subj /CN=Test -days 2 \
  -keyout schluessel.pem -out zertifikat.pem 2>/dev/null
# As an editor on Linux saves it: UTF-8 with LF. Converted it is 92 bytes, not a multiple of 8, so
# that signing puts zeros before its table.
printf 'Codierung:\n#ZQ1#\n#n=ZQe2e Signiert\n#z=P\n#m=1\n#d=Prog.exe,ZQe2e Signiert \303\266ffnen\n#ZQ1#\n' > block.txt
"$emulator" "$werkzeug" anhaengen "$setup" block.txt -o Unsigniert.exe
osslsigncode sign -certs zertifikat.pem -key schluessel.pem -in Unsigniert.exe -out Signiert.exe >/dev/null
osslsigncode verify -CAfile zertifikat.pem -in Signiert.exe >verify.txt 2>&1 || {
  cat verify.txt
  echo "signieren.sh: osslsigncode verify rejects Signiert.exe" >&2
  exit 1
}

echo x > Prog.exe
"$emulator" "$werkzeug" pruefen Signiert.exe >pruefen.txt || { cat pruefen.txt; exit 1; }
grep -q '^Signatur: ja, sie deckt den Block' pruefen.txt || {
  cat pruefen.txt
  echo "signieren.sh: setupblock does not find the block inside the signed part" >&2
  exit 1
}

cp Signiert.exe Danach.exe
printf 'Codierung:\r\n#ZQ1#\r\n#n=ZQe2e Danach\r\n#z=P\r\n#m=1\r\n#d=Prog.exe,ZQe2e Danach\r\n#ZQ1#\r\n' >> Danach.exe
"$emulator" "$werkzeug" pruefen --json Danach.exe >danach.json || { cat danach.json; exit 1; }
grep -q '"art":"block-nach-signatur"' danach.json || {
  cat danach.json
  echo "signieren.sh: setupblock does not warn about the block attached after signing" >&2
  exit 1
}
echo "signed, verified, checked: $out/Signiert.exe, $out/Danach.exe"
