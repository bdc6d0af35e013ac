#!/usr/bin/env bash
# The shipped tivora.exe: PE32 for i386, a GUI program, at most 72 KiB (its
# Japanese and English texts and dialogs included),
# loading no DLL but the system's own from the system folder, and carrying its application
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
[ "$size" -le 73728 ] || fail "larger than 72 KiB"
# What the exe loads, read from its import table and its delay-import
# descriptors by a small reader built here (objdump does not list the
# delay imports: MinGW's linker leaves their directory entry empty).
# At start: only DLLs that Windows keeps in its list of known DLLs, which
# it never looks for beside the exe. On first call: only those that the
# program's own loader hook takes from the system folder.
tools="$(mktemp -d)"
trap 'rm -rf "$tools"' EXIT
g++ -std=c++17 -O1 -o "$tools/pe-imports" "$(dirname "$0")/PeImports.cpp"
loads="$("$tools/pe-imports" "$exe")"
echo "$loads"
known='^(kernel32|user32|gdi32|advapi32|msvcrt)\.dll$'
hooked='^(comdlg32|comctl32|winmm)\.dll$'
while read -r kind dll _; do
  case "$kind" in
    import) grep -Eiq "$known" <<<"$dll" || fail "imports $dll at start, not a known DLL" ;;
    delay) grep -Eiq "$hooked" <<<"$dll" || fail "loads $dll on first call, outside the system-folder hook" ;;
  esac
done <<<"$loads"
# The reader must have seen what the program is known to use: a reader
# that finds nothing would pass every check above.
for expected in 'import KERNEL32.dll' 'import USER32.dll' 'import GDI32.dll' \
                'import ADVAPI32.dll' 'delay comdlg32.dll' 'delay comctl32.dll' 'delay winmm.dll'; do
  grep -iq "^$expected" <<<"$loads" || fail "found no '$expected' in the exe"
done
# Any other DLL name in the file could reach LoadLibrary by name. Those
# named here never do: user32 and kernel32 are asked of GetModuleHandle.
# (The exe has no start-up code of the runtime, whose frame registration
# named libgcc's DLL.)
named='^(kernel32|user32|gdi32|advapi32|msvcrt|comdlg32|comctl32|winmm)\.dll$'
names="$(strings -n 5 "$exe" | grep -Eio '[A-Za-z0-9_.-]+\.dll' | sort -u)"
grep -iq '^winmm\.dll$' <<<"$names" || fail "the scan of DLL names found not even winmm.dll"
while read -r dll; do
  grep -Eiq "$named" <<<"$dll" || fail "names $dll"
done <<<"$names"

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
