#!/usr/bin/env bash
# Makes the release zip, build/tivora-<version>.zip: the shipped tivora.exe,
# README.txt (the manual for Windows users, docs/windows-manual.txt) and
# LICENSE.txt. The version is the program's (res/Version.h).
#   bash scripts/release-zip.sh
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/wine-env.sh"
cd "$TIVORA_ROOT"
bash scripts/build.sh exe >/dev/null

# The four numbers, 1.0.10.1.
part() { sed -nE "s/^#define TIVORA_VERSION_$1 +([0-9]+)$/\1/p" res/Version.h; }
version="$(part MAJOR).$(part MINOR).$(part BUILD).$(part REVISION)"
[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "no version in res/Version.h" >&2; exit 1; }

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
