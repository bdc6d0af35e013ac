#!/usr/bin/env bash
# Makes the release zip, build/tivora-<version>.zip: the shipped tivora.exe,
# README.txt (the manual for Windows users, docs/windows-manual.txt) and
# LICENSE.txt. The version is the product version of the version resource
# (res/tivora.rc).
#   bash scripts/release-zip.sh
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/wine-env.sh"
cd "$TIVORA_ROOT"
bash scripts/build.sh exe >/dev/null

# PRODUCTVERSION 1, 0, 10, 1  ->  1.0.10.1
version="$(sed -nE 's/^PRODUCTVERSION +([0-9]+), *([0-9]+), *([0-9]+), *([0-9]+).*/\1.\2.\3.\4/p' res/tivora.rc)"
[ -n "$version" ] || { echo "no PRODUCTVERSION in res/tivora.rc" >&2; exit 1; }

stage="$TIVORA_BUILD/release-zip"
rm -rf "$stage"
mkdir -p "$stage"
cp "$TIVORA_BUILD/release/tivora.exe" "$stage/"
# The manual for Windows users, with Windows line ends.
{
  echo "Tivora $version"
  echo
  cat docs/windows-manual.txt
} | sed -e 's/$/\r/' > "$stage/README.txt"
sed 's/$/\r/' LICENSE > "$stage/LICENSE.txt"

zip="$TIVORA_BUILD/tivora-$version.zip"
rm -f "$zip"
(cd "$stage" && zip -q -X "$zip" tivora.exe README.txt LICENSE.txt)
echo "$zip"
