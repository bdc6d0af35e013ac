# Shared by the bench scripts (sourced after scripts/wine-env.sh; $out is the
# benches' output folder, $TIVORA_BUILD/bench unless set): building, a Wine
# prefix of the bench's own, the clock's settings, and reading a process's
# costs from /proc.

BENCH_PIDS=()
out="${out:-$TIVORA_BUILD/bench}"
mkdir -p "$out"

# The release exe (i686), the x86-64 exe that Wine runs here, the reference
# program in both, the probe, and the native first-frame watcher.
bench_build() {
  echo "building (release i686 and x86-64 for this machine's Wine)" >&2
  bash "$TIVORA_ROOT/scripts/install-deps.sh" bench
  bash "$TIVORA_ROOT/scripts/build.sh" bench >/dev/null
  gcc -O2 -Wall -o "$out/firstframe" "$TIVORA_ROOT/bench/firstframe.c" -lX11
}

# Xvfb on $DISPLAY and a persistent wineserver for a prefix of the bench's
# own, so that the tests' prefix and settings are left alone.
bench_start_wine() {
  source "$TIVORA_ROOT/scripts/xvfb.sh"
  export WINEPREFIX="$1"
  bash "$TIVORA_ROOT/scripts/prepare-prefix.sh" "$WINEPREFIX" test
  "$WINESERVER" -p >/dev/null 2>&1 || true
  trap bench_cleanup EXIT
}

bench_cleanup() {
  local pid
  for pid in "${BENCH_PIDS[@]}"; do bench_stop "$pid"; done
  "$WINESERVER" -k >/dev/null 2>&1 || true
  stop_started_displays
}

# Ends one program that the bench started (by its process id) and waits.
bench_stop() {
  local pid="$1"
  [[ "$pid" =~ ^[0-9]+$ ]] || return 0
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 50); do [ -d "/proc/$pid" ] || return 0; sleep 0.1; done
  kill -9 "$pid" 2>/dev/null || true
}

# bench_settings Name=value ...: the clock's key emptied, then these DWORDs
# (and Name=text for texts) under Settings; Timer.Name=value for the Timer key.
bench_settings() {
  local reg="$out/settings.reg" kv name value sub
  {
    printf 'REGEDIT4\r\n\r\n'
    for sub in Settings Timer; do
      printf '[HKEY_CURRENT_USER\\Software\\ZEPH\\Tivora\\%s]\r\n' "$sub"
      for kv in "$@"; do
        name="${kv%%=*}"; value="${kv#*=}"
        if [ "$sub" = Timer ]; then [[ "$name" == Timer.* ]] || continue; name="${name#Timer.}"
        else [[ "$name" == Timer.* ]] && continue; fi
        if [[ "$value" =~ ^[0-9]+$ ]]; then
          printf '"%s"=dword:%08x\r\n' "$name" "$value"
        else
          printf '"%s"="%s"\r\n' "$name" "${value//\\/\\\\}"
        fi
      done
      printf '\r\n'
    done
  } >"$reg"
  "$TIVORA_WINE" reg delete 'HKCU\Software\ZEPH\Tivora' /f >/dev/null 2>&1 || true
  "$TIVORA_WINE" reg import "$(winepath_of "$reg")" >/dev/null 2>&1
}

winepath_of() { echo "Z:${1//\//\\}"; }

# utime + stime of the whole process, in clock ticks.
proc_cpu_ticks() {
  sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'
}

proc_rss_kib() { proc_status_kib "$1" VmRSS; }
proc_status_kib() { awk -v k="$2:" '$1 == k { print $2 }' "/proc/$1/status"; }

# The median of the numbers among the arguments (nothing when there are none).
median() {
  printf '%s\n' "$@" | { grep -E '^[0-9]+(\.[0-9]+)?$' || true; } | sort -n |
    awk '{ v[NR] = $1 } END { if (NR) print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

kib() { awk -v b="$1" 'BEGIN { printf "%.1f", b / 1024 }'; }

# True when the exe imports nothing but Windows system DLLs, whether it
# loads them at start (the import table) or on first use (the names of its
# delay-loaded DLLs, which stand in the file as plain strings).
system_imports_only() {
  local allowed='^(kernel32|user32|gdi32|comdlg32|comctl32|advapi32|winmm|msvcrt)\.dll$' dll
  while read -r dll; do
    grep -Eiq "$allowed" <<<"$dll" || { echo "imports $dll" >&2; return 1; }
  done < <({ LC_ALL=C i686-w64-mingw32-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'
             strings -a "$1" | grep -Ei '^[a-z0-9_]+\.dll$'; } | sort -fu)
}
