#!/usr/bin/env bash
# A DLL planted beside the exe is never loaded: a stand-in winmm.dll in the
# clock's folder, with Wine told to prefer a DLL found there as Windows does
# for one that is not a known DLL, is left alone when the timer dialog's
# "wav ﾃｽﾄ" first calls into the sound DLL; the system's winmm plays it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_lib.sh"

IDC_WAVE_TEST=1023
folder="$TIVORA_BUILD/planted"
rm -rf "$folder"
mkdir -p "$folder"
cp "$EXE" "$folder/tivora.exe"
EXE="$folder/tivora.exe"
marker="$WINEPREFIX/drive_c/planted-winmm-ran"
rm -f "$marker"

# The stand-in: its DllMain leaves the marker the moment it is loaded.
cat >"$folder/standin.c" <<'EOF'
#include <windows.h>
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH)
    CloseHandle(CreateFileA("C:\\planted-winmm-ran", GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
  return TRUE;
}
void CALLBACK Touch(HWND window, HINSTANCE instance, LPSTR line, int show) {}
EOF
"$TIVORA_WINE_ARCH-w64-mingw32-gcc" -shared -o "$folder/winmm.dll" "$folder/standin.c"

# A short silent wave file to test with.
wave="$folder/test.wav"
{
  printf 'RIFF'; printf '\x2c\x1f\x00\x00'; printf 'WAVEfmt '
  printf '\x10\x00\x00\x00\x01\x00\x01\x00\x40\x1f\x00\x00\x40\x1f\x00\x00\x01\x00\x08\x00'
  printf 'data'; printf '\x40\x1f\x00\x00'
  head -c 8000 /dev/zero | tr '\0' '\200'
} >"$wave"

# The check must be able to see the stand-in run: loaded by name from the
# clock's folder, as the runtime's own loader would without the clock's
# restriction, it leaves the marker.
WINEDLLOVERRIDES="mscoree=;mshtml=;winmm=n,b" "$TIVORA_WINE" rundll32 "$(wine_cmd winepath -w "$folder/winmm.dll" 2>/dev/null)",Touch >/dev/null 2>&1 || true
eventually test -e "$marker" || fail "the stand-in's DllMain leaves no marker even when it is loaded"
rm -f "$marker"

reset_registry
reg_set_sz Timer WaveFile "$(wine_cmd winepath -w "$wave" 2>/dev/null)"
reg_set Timer UseWave 1
# Wine's relay trace of the one call, to see the system's winmm play.
relay_key='HKCU\Software\Wine\Debug'
reg_add "$relay_key" RelayInclude REG_SZ "winmm.sndPlaySoundW"
trap 'stop_clock; wine_cmd reg delete "$relay_key" /v RelayInclude /f >/dev/null 2>&1 || true' EXIT
trace="$folder/relay.txt"

WINEDLLOVERRIDES="mscoree=;mshtml=;winmm=n,b" WINEDEBUG=+relay CLOCK_TRACE="$trace" start_clock

choose r
probe press "$IDC_WAVE_TEST" >/dev/null || fail "the timer dialog's wav test button was not found"
# The trace shows the call into Wine's own winmm and its result: TRUE, the
# file played. A stand-in loaded instead leaves its marker and no call.
played_or_planted() { grep -q 'Ret  winmm.sndPlaySoundW() retval=' "$trace" || [ -e "$marker" ]; }
eventually played_or_planted || true
[ ! -e "$marker" ] || fail "the winmm.dll beside the exe was loaded"
pass "the winmm.dll beside the exe was not loaded"
grep -q 'Ret  winmm.sndPlaySoundW() retval=00000001' "$trace" ||
  fail "the wav test did not play through the system's sound DLL"
pass "the wav test plays through the system's winmm"
