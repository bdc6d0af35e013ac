#!/usr/bin/env bash
# What the clock costs while it runs, beside a minimal reference clock of
# the same build (bench/reference): exe size, time from process start to the
# first painted frame, resident memory and CPU of the program's own process
# over a run, for the digital face without and with seconds and with the
# hourly chime on, the transparent digital display, the analog face with
# seconds, and digits with seconds over a big picture and over a small one.
# Prints one table and writes $TIVORA_BUILD/bench/footprint.json. Takes a
# few minutes; not a test.
#
#   bash bench/footprint.sh                # 7 starts each, 60 s run
#   bash bench/footprint.sh --quick        # 3 starts each, 15 s run
#   bash bench/footprint.sh --starts 9 --seconds 120
#
# The figures are those of the build that this machine's Wine runs
# (build/win: i686 where 32-bit Wine runs, x86-64 elsewhere); the size of the
# i686 product is printed beside them.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../scripts/wine-env.sh"
cd "$TIVORA_ROOT"

starts=7
seconds=60
while [ $# -gt 0 ]; do
  case "$1" in
    --quick) starts=3; seconds=15 ;;
    --starts) starts="$2"; shift ;;
    --seconds) seconds="$2"; shift ;;
    *) echo "usage: $0 [--quick] [--starts N] [--seconds S]" >&2; exit 2 ;;
  esac
  shift
done

source "$here/lib.sh"

bench_build
bench_start_wine "$out/wineprefix"

release_exe="$TIVORA_BUILD/release/tivora.exe"
release_ref="$TIVORA_BUILD/release/bench/reference/tivora_reference.exe"
clock_exe="$TIVORA_BUILD/win/tivora.exe"
ref_exe="$TIVORA_BUILD/win/bench/reference/tivora_reference.exe"

# name | exe | ink colour of its first frame | settings (name=value ...)
programs=(
  "reference|$ref_exe|ff0000|"
  "digital|$clock_exe|ff0000|Left=20 Top=20 Width=116 Height=45 OnAnalog=0 OnSecond=0"
  "digital_seconds|$clock_exe|ff0000|Left=20 Top=120 Width=160 Height=45 OnAnalog=0 OnSecond=1"
  "analog_seconds|$clock_exe|000080|Left=20 Top=220 Width=120 Height=120 OnAnalog=1 OnSecond=1"
  "transparent_digital|$clock_exe|ff0000|Left=20 Top=360 Width=116 Height=45 OnAnalog=0 OnSecond=0 OnTransparent=1 OnBorder=0"
  # The hourly chime over every hour: it must cost what the plain digits do.
  "digital_chime|$clock_exe|ff0000|Left=20 Top=20 Width=116 Height=45 OnAnalog=0 OnSecond=0 Timer.OnTimer=1 Timer.OnChime=1 Timer.ChimeFrom=0 Timer.ChimeTo=23"
)

# A 4000 x 3000 picture behind digits with seconds: drawn every second, it
# must cost what a small one of 200 x 100 does, in time and in memory.
big_picture="$out/big-picture.bmp"
small_picture="$out/small-picture.bmp"
[ -f "$big_picture" ] || convert -size 4000x3000 xc:'#606060' -type TrueColor "BMP3:$big_picture"
[ -f "$small_picture" ] || convert -size 200x100 xc:'#606060' -type TrueColor "BMP3:$small_picture"
programs+=("big_picture_seconds|$clock_exe|ff0000|Left=20 Top=460 Width=160 Height=45 OnAnalog=0 OnSecond=1 OnBitmap=1 Bitmap=$(winepath_of "$big_picture")")
programs+=("small_picture_seconds|$clock_exe|ff0000|Left=20 Top=560 Width=160 Height=45 OnAnalog=0 OnSecond=1 OnBitmap=1 Bitmap=$(winepath_of "$small_picture")")

field() { cut -d'|' -f"$2" <<<"$1"; }

# Starts one program with its settings; prints "PID MS CPU_MS" once it has
# painted (wall time and the process's CPU time up to its first frame).
# Every program, the reference too, starts right after the settings are
# written: a Wine process run just before makes the next start faster by a
# fifth of a second, which would otherwise favour the clock.
start_program() {
  local p="$1"
  bench_settings $(field "$p" 4)
  "$out/firstframe" --ink "$(field "$p" 3)" --min 20 --timeout "${BENCH_TIMEOUT_MS:-30000}" -- \
    "$TIVORA_WINE" "$(field "$p" 2)" || true
}

# --- what each tick draws -------------------------------------------------------
echo "counting what each tick draws, on the real window over two simulated minutes" >&2
tickcalls="$TIVORA_BUILD/win/bench/tickcalls/tivora_tickcalls.exe"
"$TIVORA_WINE" "$tickcalls" 2>/dev/null | tr -d '\r' >"$out/tickcalls.txt"
"$TIVORA_WINE" "$tickcalls" --json 2>/dev/null | tr -d '\r' >"$out/tickcalls.json"
tick_figure() {  # display, field
  grep -o "\"$1\": {[^}]*}" "$out/tickcalls.json" | grep -o "\"$2\": [0-9.]*" | awk '{ print $2 }'
}

# --- start to first frame ----------------------------------------------------
echo "start to first frame: $starts starts of each program (and one to warm up)" >&2
declare -A frames startcpu
for round in $(seq 0 "$starts"); do
  for p in "${programs[@]}"; do
    name="$(field "$p" 1)"
    read -r pid ms cpu < <(start_program "$p")
    bench_stop "$pid"
    [ "$round" -eq 0 ] && continue     # the first start fills the caches
    frames[$name]="${frames[$name]:-} $ms"
    startcpu[$name]="${startcpu[$name]:-} ${cpu:-}"
  done
done

# --- one after another: memory and CPU --------------------------------------
# One clock runs per Wine session: each program is measured alone.
echo "memory and CPU: each program for $seconds s" >&2
declare -A cpu0 cpu1 rss anon
for p in "${programs[@]}"; do
  name="$(field "$p" 1)"
  read -r pid ms cpu < <(start_program "$p")
  [[ "$ms" =~ ^[0-9]+$ ]] || echo "warning: $name did not paint its first frame ($ms)" >&2
  BENCH_PIDS+=("$pid")
  sleep 2
  cpu0[$name]="$(proc_cpu_ticks "$pid")"
  sleep "$seconds"
  cpu1[$name]="$(proc_cpu_ticks "$pid")"
  rss[$name]="$(proc_rss_kib "$pid")"
  anon[$name]="$(proc_status_kib "$pid" RssAnon)"
  bench_stop "$pid"
done

# --- table and file ----------------------------------------------------------
hz="$(getconf CLK_TCK)"
json="$out/footprint.json"
declare -A size frame scpu cpu
for p in "${programs[@]}"; do
  name="$(field "$p" 1)"
  size[$name]="$(stat -c %s "$(field "$p" 2)")"
  frame[$name]="$(median ${frames[$name]})"
  scpu[$name]="$(median ${startcpu[$name]})"
  cpu[$name]="$(awk -v t="$((cpu1[$name] - cpu0[$name]))" -v hz="$hz" 'BEGIN { printf "%.2f", t / hz }')"
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "" || b == "" || b + 0 == 0) print "null"; else printf "%.2f", a / b }'; }
within() { awk -v r="$1" -v g="$2" 'BEGIN { if (r == "null") print "n/a"; else print (r + 0 <= g + 0) ? "ok" : "MISS" }'; }
numbers() { tr ' ' '\n' <<<"$1" | grep -E '^[0-9]+$' | paste -sd, || true; }
cell() {  # value, program, the reference's value; no ratio to a reference of 0
  local r
  if [ -z "$1" ]; then echo "n/a"; return; fi
  r="$(ratio "$1" "$3")"
  if [ "$2" = reference ] || [ "$r" = null ]; then echo "$1"; else echo "$1 (${r}x)"; fi
}

product_size="$(stat -c %s "$release_exe")"
v_size="$([ "$product_size" -le 73728 ] && echo ok || echo MISS)"
v_imports="$(system_imports_only "$release_exe" && echo ok || echo MISS)"
all_ok=true
[ "$v_size" = ok ] && [ "$v_imports" = ok ] || all_ok=false

table="$out/footprint.txt"
{
  echo "Tivora footprint: $TIVORA_WINE_ARCH build under $("$TIVORA_WINE" --version)."
  echo "The i686 product is also measured for size and imports."
  echo "First frame: median of $starts starts. Memory and CPU: each program alone for $seconds s."
  echo "(ratio to the reference in brackets)"
  echo
  printf '%-20s %14s %16s %16s %16s %14s\n' program "exe KiB" "first frame ms" "start CPU ms" \
    "RSS KiB" "CPU s/${seconds}s"
} >"$table"
{
  printf '{\n  "arch": "x86_64",\n  "wine": "%s",\n  "starts": %s,\n  "seconds": %s,\n' \
    "$("$TIVORA_WINE" --version)" "$starts" "$seconds"
  printf '  "i686_product_exe_bytes": %s,\n  "i686_reference_exe_bytes": %s,\n  "programs": {' \
    "$product_size" "$(stat -c %s "$release_ref")"
} >"$json"

goal_lines=()
sep=""
for p in "${programs[@]}"; do
  n="$(field "$p" 1)"
  printf '%-20s %14s %16s %16s %16s %14s\n' "$n" \
    "$(cell "$(kib "${size[$n]}")" "$n" "$(kib "${size[reference]}")")" \
    "$(cell "${frame[$n]}" "$n" "${frame[reference]}")" \
    "$(cell "${scpu[$n]}" "$n" "${scpu[reference]}")" \
    "$(cell "${rss[$n]}" "$n" "${rss[reference]}")" \
    "$(cell "${cpu[$n]}" "$n" "${cpu[reference]}")" >>"$table"
  r_frame="$(ratio "${frame[$n]}" "${frame[reference]}")"
  r_rss="$(ratio "${rss[$n]}" "${rss[reference]}")"
  r_cpu="$(ratio "${cpu[$n]}" "${cpu[reference]}")"
  printf '%s\n    "%s": {"exe_bytes": %s, "first_frame_ms": %s, "first_frame_samples": [%s],\n' \
    "$sep" "$n" "${size[$n]}" "${frame[$n]:-null}" "$(numbers "${frames[$n]}")" >>"$json"
  printf '      "start_cpu_ms": %s, "rss_kib": %s, "rss_anon_kib": %s, "cpu_s": %s' \
    "${scpu[$n]:-null}" "${rss[$n]}" "${anon[$n]}" "${cpu[$n]}" >>"$json"
  sep=","
  if [ "$n" = reference ]; then printf '}' >>"$json"; continue; fi
  v_frame="$(within "$r_frame" 1.2)"
  v_rss="$(within "$r_rss" 1.1)"
  # Both CPU figures may lie near the counter's resolution of 1/CLK_TCK s.
  v_cpu="$(awk -v c="${cpu[$n]}" -v r="${cpu[reference]}" -v hz="$hz" \
    'BEGIN { print (c + 0 <= 1.1 * r + 1.0 / hz) ? "ok" : "MISS" }')"
  for v in "$v_frame" "$v_rss" "$v_cpu"; do [ "$v" = ok ] || all_ok=false; done
  printf ',\n      "ratio": {"exe": %s, "first_frame": %s, "start_cpu": %s, "rss": %s, "cpu": %s},\n' \
    "$(ratio "${size[$n]}" "${size[reference]}")" "$r_frame" \
    "$(ratio "${scpu[$n]}" "${scpu[reference]}")" "$r_rss" "$r_cpu" >>"$json"
  printf '      "goals": {"first_frame_within_1_2x": "%s", "rss_within_1_1x": "%s", "cpu_within_1_1x": "%s"}}' \
    "$v_frame" "$v_rss" "$v_cpu" >>"$json"
  goal_lines+=("$(printf '%-20s first frame %-4s memory %-4s CPU %s' "$n" "$v_frame" "$v_rss" "$v_cpu")")
done
# What a big picture costs to keep beside a small one: the screen shows no
# more of it than its own pixels.
r_picture="$(ratio "${rss[big_picture_seconds]}" "${rss[small_picture_seconds]}")"
v_picture="$(within "$r_picture" 1.2)"
[ "$v_picture" = ok ] || all_ok=false
xor_lines="$(tick_figure analog_seconds xor_lines_per_tick_between_minutes)"
face_ticks="$(tick_figure analog_seconds of_them_redrawing_the_face)"
digital_draws="$(tick_figure digital drawing_ticks_per_60)"
transparent_draws="$(tick_figure transparent_digital drawing_ticks_per_60)"
v_xor="$(awk -v x="$xor_lines" -v f="$face_ticks" 'BEGIN { print (x == 2 && f == 0 && f != "") ? "ok" : "MISS" }')"
once_a_minute() { awk -v d="$1" 'BEGIN { print (d != "" && d <= 1) ? "ok" : "MISS" }'; }
v_digital="$(once_a_minute "$digital_draws")"
v_transparent="$(once_a_minute "$transparent_draws")"
[ "$v_xor" = ok ] && [ "$v_digital" = ok ] && [ "$v_transparent" = ok ] || all_ok=false
printf '\n  },\n  "ticks": %s,\n' "$(cat "$out/tickcalls.json")" >>"$json"
printf '  "goals": {"product_at_most_64_kib": "%s", "system_imports_only": "%s",\n' \
  "$v_size" "$v_imports" >>"$json"
printf '    "big_picture_rss_ratio_to_small_picture": %s, "big_picture_rss_within_1_2x_of_small": "%s",\n' \
  "$r_picture" "$v_picture" >>"$json"
printf '    "analog_second_hand_two_xor_lines_no_face_between_minutes": "%s",\n' "$v_xor" >>"$json"
printf '    "digital_without_seconds_draws_1_tick_in_60": "%s",\n' "$v_digital" >>"$json"
printf '    "transparent_digital_draws_1_tick_in_60": "%s", "all": %s}\n}\n' \
  "$v_transparent" "$all_ok" >>"$json"

{
  echo
  echo "i686 product $(basename "$release_exe"): ${product_size} bytes ($(kib "$product_size") KiB);" \
    "at most 72 KiB: $v_size; system DLL imports only: $v_imports"
  echo "goals: first frame within 1.2x, memory and CPU within 1.1x of the reference"
  for line in "${goal_lines[@]}"; do echo "  $line"; done
  echo "resident memory with a 4000x3000 picture: ${rss[big_picture_seconds]} KiB," \
    "with a 200x100 one: ${rss[small_picture_seconds]} KiB (${r_picture}x; goal within 1.2x): $v_picture"
  echo "analog with seconds, between minutes: $xor_lines exclusive-or lines a tick," \
    "$face_ticks ticks redrawing the face: $v_xor"
  echo "digital without seconds: draws on $digital_draws of 60 ticks: $v_digital"
  echo "transparent digital: draws on $transparent_draws of 60 ticks: $v_transparent"
  echo
  echo "what each tick draws (on the real window, calls a tick):"
  sed 's/^/  /' "$out/tickcalls.txt"
  echo "figures: $json"
} >>"$table"
cat "$table"
