#!/usr/bin/env bash
# Makes the release zip, build/tivora-<version>.zip: the shipped tivora.exe,
# README.txt (the README's part for Windows users) and LICENSE.txt. The
# version is the product version of the version resource (res/tivora.rc).
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
# The section "On Windows" up to the next heading, as plain text with
# Windows line ends.
{
  echo "Tivora $version"
  awk '/^## On Windows/ { on = 1; next } on && /^## / { exit } on' README.md
} | sed -e 's/`//g' -e 's/$/\r/' > "$stage/README.txt"
grep -q 'tivora.exe' "$stage/README.txt" || { echo "README.md has no part for Windows users" >&2; exit 1; }
sed 's/$/\r/' LICENSE > "$stage/LICENSE.txt"

zip="$TIVORA_BUILD/tivora-$version.zip"
rm -f "$zip"
(cd "$stage" && zip -q -X "$zip" tivora.exe README.txt LICENSE.txt)
echo "$zip"
