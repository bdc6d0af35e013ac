#!/usr/bin/env bash
# The shipped tivora.exe: PE32 for i386, a GUI program, at most 64 KiB, and
# importing nothing but Windows system DLLs.
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
echo "ok"
