#!/usr/bin/env bash
# The release archive: named with the version in VERSION; two runs of scripts/release give the same
# bytes; the .zip and the .tar.gz hold the same files, those a maker needs, the release's Setup.exe
# among them; SHA256SUMS names every other file and holds for each.
#   archiv.sh CLONE WORK
set -euo pipefail
clone=$1 work=$2
rm -rf "$work"
mkdir -p "$work"
"$clone/scripts/release" "$work/eins" >/dev/null
"$clone/scripts/release" "$work/zwei" >/dev/null
zip=$(echo "$work"/eins/*.zip)
tgz=$(echo "$work"/eins/*.tar.gz)
name=$(basename "$zip" .zip)
read -r version <"$clone/VERSION"
case $name in
  "Setup-$version-"*) ;;
  *) echo "archiv.sh: $name is not named with the version in VERSION ($version)"; exit 1 ;;
esac
cmp "$zip" "$work/zwei/$name.zip"
cmp "$tgz" "$work/zwei/$name.tar.gz"

dateien="LICENSE MAKERS.md SHA256SUMS Setup.exe TOOLCHAIN.txt beispiel.txt setupblock setupblock.exe vorlage.txt"
erwartet=$(for d in $dateien; do echo "$name/$d"; done)
[ "$(unzip -Z1 "$zip" | LC_ALL=C sort)" = "$erwartet" ] || { echo "archiv.sh: the .zip lists:"; unzip -Z1 "$zip"; exit 1; }
[ "$(tar -tzf "$tgz" | grep -v '/$' | LC_ALL=C sort)" = "$erwartet" ] || { echo "archiv.sh: the .tar.gz lists:"; tar -tzf "$tgz"; exit 1; }

mkdir "$work/zip" "$work/tar"
unzip -q "$zip" -d "$work/zip"
tar -xzf "$tgz" -C "$work/tar"
diff -r "$work/zip" "$work/tar"
cd "$work/zip/$name"
[ "$(awk '{print $2}' SHA256SUMS)" = "$(for d in $dateien; do [ "$d" = SHA256SUMS ] || echo "$d"; done)" ] ||
  { echo "archiv.sh: SHA256SUMS names other files:"; cat SHA256SUMS; exit 1; }
sha256sum --quiet -c SHA256SUMS
cmp Setup.exe "$clone/build/release/Setup.exe"
[ -x setupblock ] && ./setupblock vorlage | cmp - vorlage.txt
echo "$name: same bytes from two runs; $(echo $dateien | wc -w) files, checksums hold"
