#!/usr/bin/env bash
# Runs the real clock for a while as a busy user would have it: a display
# switch toggled every few seconds (through the probe, as the pop-up menu's
# commands), and an alarm every minute (armed through the timer settings
# dialog, which stores it in the registry; the notification beeps three
# times and closes itself). Prints the clock's memory, CPU and windows every
# minute, and the growth at the end. Not a test.
#
#   bash bench/soak.sh 60               # one hour
#   bash bench/soak.sh 5 --every 3      # five minutes, a switch every 3 s
#
# The build that this machine's Wine runs is used (build/win): the i686
# product's sources built for i686 where 32-bit Wine runs, for x86-64 elsewhere.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../scripts/wine-env.sh"
cd "$TIVORA_ROOT"

minutes="${1:-60}"
shift || true
every=5
while [ $# -gt 0 ]; do
  case "$1" in
    --every) every="$2"; shift ;;
    *) echo "usage: $0 [MINUTES] [--every SECONDS]" >&2; exit 2 ;;
  esac
  shift
done

source "$here/lib.sh"
bench_build
cmake --build "$TIVORA_BUILD/win" -j2 --target tivora_soak_driver >/dev/null
bench_start_wine "$out/soak-prefix"

clock_exe="$TIVORA_BUILD/win/tivora.exe"
probe_exe="$TIVORA_BUILD/win/tivora_probe.exe"
driver_exe="$TIVORA_BUILD/win/bench/soak/tivora_soak_driver.exe"
wine_quiet() { "$TIVORA_WINE" "$@" 2>/dev/null | tr -d '\r'; }

# A picture for the picture switch to show.
picture="$out/soak.bmp"
convert -size 64x64 gradient:navy-orange "BMP3:$picture" 2>/dev/null || true

# The switches of the pop-up menu, each toggled twice per pass so that a
# pass ends where it began: seconds, analog, transparent, border, caption,
# on top, tooltip, picture.
switches=(2007 2010 2002 2005 2011 2006 2012 2013)

next_minute() { date -d "+1 minute" +%H:%M; }

bench_settings Left=40 Top=40 Width=150 Height=150 OnAnalog=1 OnSecond=1 OnBorder=1 \
  OnBitmap=0 "Bitmap=$(winepath_of "$picture")" \
  Timer.OnTimer=1 Timer.AlarmCount=3 Timer.OnAutoDelete=1 Timer.On1=1 \
  "Timer.Alarm1=$(next_minute)" Timer.Msg1=soak

read -r pid ms cpu < <("$out/firstframe" --ink 000080 --timeout 30000 -- "$TIVORA_WINE" "$clock_exe" || true)
[[ "$ms" =~ ^[0-9]+$ ]] || { echo "the clock did not start ($ms)" >&2; exit 1; }
BENCH_PIDS+=("$pid")
hz="$(getconf CLK_TCK)"
echo "soak: clock pid $pid, $minutes min, a switch every $every s, an alarm every minute"
printf '%6s %10s %10s %12s %12s %8s %8s %7s\n' minute "RSS KiB" "anon KiB" "CPU s/min" \
  "CPU s total" windows toggles alarms

start=$(date +%s)
cpu_last="$(proc_cpu_ticks "$pid")"
first_rss="" first_anon="" first_windows=""
toggles=0 alarms=0 index=0 pass_toggles=0 minute=0
last_toggle=$start armed_for="" alarm_seen_for=""
failures=0

while [ "$minute" -lt "$minutes" ]; do
  sleep 1
  [ -d "/proc/$pid" ] || { echo "the clock has ended unexpectedly" >&2; exit 1; }
  now=$(date +%s)
  second=$((10#$(date +%S)))
  state="$(wine_quiet "$driver_exe" state || echo gone)"

  # The notification of this minute's alarm shows during its first seconds.
  if [ "$state" = busy ] && [ "$second" -lt 10 ] && [ "$alarm_seen_for" != "$(date +%H:%M)" ]; then
    alarm_seen_for="$(date +%H:%M)"
    alarms=$((alarms + 1))
  fi
  # Mid-minute, the next minute's alarm is armed.
  if [ "$state" = free ] && [ "$second" -ge 20 ] && [ "$second" -le 40 ] &&
     [ "$armed_for" != "$(next_minute)" ]; then
    if wine_quiet "$driver_exe" arm "$(next_minute)" >/dev/null; then
      armed_for="$(next_minute)"
    else
      failures=$((failures + 1))
    fi
    state="$(wine_quiet "$driver_exe" state || echo gone)"
  fi
  # A switch every few seconds, while no dialog is open and away from the
  # minute's start, when the alarm is due.
  if [ "$state" = free ] && [ $((now - last_toggle)) -ge "$every" ] && [ "$second" -ge 6 ]; then
    wine_quiet "$probe_exe" command "${switches[$index]}" >/dev/null || true
    toggles=$((toggles + 1))
    pass_toggles=$((pass_toggles + 1))
    if [ $((pass_toggles % 2)) -eq 0 ]; then index=$(((index + 1) % ${#switches[@]})); fi
    last_toggle=$now
  fi

  if [ $((now - start)) -ge $(((minute + 1) * 60)) ]; then
    minute=$((minute + 1))
    cpu_now="$(proc_cpu_ticks "$pid")"
    rss="$(proc_rss_kib "$pid")"
    anon="$(proc_status_kib "$pid" RssAnon)"
    windows="$(wine_quiet "$driver_exe" windows || echo "?")"
    printf '%6d %10s %10s %12.2f %12.2f %8s %8d %7d\n' "$minute" "$rss" "$anon" \
      "$(awk -v t=$((cpu_now - cpu_last)) -v hz="$hz" 'BEGIN { print t / hz }')" \
      "$(awk -v t="$cpu_now" -v hz="$hz" 'BEGIN { print t / hz }')" \
      "$windows" "$toggles" "$alarms"
    cpu_last="$cpu_now"
    # The first minute fills the caches and loads the dialogs' libraries.
    if [ "$minute" -eq 2 ] || [ -z "$first_rss" ]; then
      first_rss="$rss" first_anon="$anon" first_windows="$windows"
    fi
  fi
done

echo "growth from minute 2 to $minute: RSS $((rss - first_rss)) KiB, anon $((anon - first_anon)) KiB," \
  "windows $first_windows -> $windows; $toggles toggles, $alarms alarms seen," \
  "$failures failed armings"
