#!/bin/bash
# dist.sh WIN_BUILD_FOLDER OUT_FOLDER
# Packs dist/Lumaret-<version>-win64.zip: Lumaret.exe, an empty folder
# Config, the Chinese user guide and the exe's SHA-256. Every entry carries
# the time of the last commit and the entries come in a fixed order, so two
# packs of the same build are the same bytes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
win=$(cd "$1" && pwd)
out=$2
version=$(head -n1 "$root/VERSION")
name="Lumaret-$version-win64"
stamp=$(TZ=UTC git -C "$root" log -1 --date=format-local:"%Y-%m-%d %H:%M:%S" --format=%cd 2>/dev/null || echo "2026-01-01 00:00:00")

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/$name/Config"
cp "$win/bin/Lumaret.exe" "$stage/$name/Lumaret.exe"
cp "$root/dist-files/README-zh_CN.txt" "$stage/$name/README-zh_CN.txt"
(cd "$stage/$name" && sha256sum Lumaret.exe > Lumaret.exe.sha256)
chmod 0644 "$stage/$name/Lumaret.exe" "$stage/$name/README-zh_CN.txt" "$stage/$name/Lumaret.exe.sha256"
chmod 0755 "$stage/$name/Config"

mkdir -p "$out"
zip="$(cd "$out" && pwd)/$name.zip"
rm -f "$zip"
entries=("$name/" "$name/Config/" "$name/Lumaret.exe" "$name/Lumaret.exe.sha256" "$name/README-zh_CN.txt")
# zip keeps DOS times in local time: pin the zone, pin the times, and leave
# out the extra fields (-X) that would carry owners and access times.
(cd "$stage" && for e in "${entries[@]}"; do TZ=UTC touch -h -d "$stamp" "$e"; done &&
   TZ=UTC zip -X -q "$zip" "${entries[@]}")
cp "$stage/$name/Lumaret.exe.sha256" "$out/"
echo "Packed $zip"
(cd "$out" && sha256sum "$name.zip")
