#!/usr/bin/env bash
# The shipped tivora.exe: PE32 for i386, a GUI program, at most 64 KiB,
# importing nothing but Windows system DLLs, and carrying its application
# manifest (per-monitor DPI awareness, Common Controls 6, supported systems).
set -euo pipefail
export LC_ALL=C   # objdump speaks the locale's language otherwise
exe="$1"
fail() { echo "FAIL: $*"; exit 1; }
dump="$(i686-w64-mingw32-objdump -p "$exe")"
grep -q 'file format pei-i386' <<<"$dump" || fail "not PE32 i386"
grep -Eq '^Subsystem[[:space:]]+0*2[[:space:]]' <<<"$dump" || fail "not a GUI subsystem program"
size=$(stat -c %s "$exe")
echo "tivora.exe: $size bytes"
[ "$size" -le 65536 ] || fail "larger than 64 KiB"
allowed='^(kernel32|user32|gdi32|comdlg32|comctl32|advapi32|winmm|msvcrt)\.dll$'
while read -r dll; do
  echo "imports $dll"
  grep -Eiq "$allowed" <<<"$dll" || fail "imports $dll"
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump")
# DLLs loaded on first use are named only in the delay-import data, which
# objdump does not list: every DLL name the file carries must be a system one.
while read -r dll; do
  grep -Eiq "$allowed" <<<"$dll" || fail "names $dll"
done < <(strings -n 5 "$exe" | grep -Eio '^[A-Za-z0-9_]+\.dll$' | sort -u)

# The manifest: resource type RT_MANIFEST (24), id 1, as objdump lists the
# resource tree (types, then names, then languages, each one level deeper).
leaf="$(awk '
  /^[0-9a-f]+   Entry: ID: / { type = $4 }
  /^[0-9a-f]+     Entry: ID: / { name = $4 }
  /Leaf: Addr:/ && type == "0x000018," && name == "0x000001," { print $4 $6; exit }
' <<<"$dump")"
[ -n "$leaf" ] || fail "no manifest resource (RT_MANIFEST, id 1)"
leaf="${leaf%,}"; rva=$(( ${leaf%%,*} )); length=$(( ${leaf#*,} ))
read -r _ _ _ vma _ offset _ < <(i686-w64-mingw32-objdump -h "$exe" | grep -E '^ +[0-9]+ \.rsrc ')
base=$(( 0x$(awk '$1 == "ImageBase" { print $2 }' <<<"$dump") ))
manifest="$(dd if="$exe" bs=1 skip=$(( rva - (0x$vma - base) + 0x$offset )) count="$length" 2>/dev/null)"
need() {  # need WHAT PATTERN: the manifest must match the extended pattern
  grep -Eq "$2" <<<"$manifest" || fail "the manifest lacks $1"
  echo "manifest: $1"
}
need "per-monitor v2 DPI awareness" '<dpiAwareness[^>]*>PerMonitorV2, *PerMonitor</dpiAwareness>'
need "per-monitor DPI awareness before Windows 10" '<dpiAware[^>]*>true/pm</dpiAware>'
need "Common Controls 6" 'name="Microsoft.Windows.Common-Controls" version="6\.0\.0\.0"'
for os in 35138b9a-5d96-4fbd-8e2d-a2440225f93a 4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 \
          1f676c76-80e1-4239-95bb-83d0f6d0da78 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
  need "supportedOS {$os}" "<supportedOS Id=\"\\{$os\\}\"/>"
done
need "asInvoker" '<requestedExecutionLevel level="asInvoker"'
echo "ok"
