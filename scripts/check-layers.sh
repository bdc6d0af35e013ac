#!/usr/bin/env bash
# The program's folders are layers that point one way: app/ at the top (the
# state and the wiring), then timer/ and face/ side by side, then settings/,
# then base/ (the
# small owners, DPI scaling, the clock time and its texts, which every folder
# uses), with res/ (the resource ids and the program's name) beside them all.
# A file includes only its own folder, the folders below it and res/; base/
# includes only itself. A rules/ file stays free of
# the platform: it includes only rules/ files and res/, never <windows.h>.
# Inside each folder, rules/ folders included, no unit (a header and its
# source) includes another that includes it back, however indirectly.
# Prints every include that points the other way, and every loop, and fails
# if there is one.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
layers=(app timer face settings base)

# The faces and the alarms are siblings on one level: neither includes the other.
rank() {
  case "$1" in
    app) echo 0 ;;
    timer | face) echo 1 ;;
    settings) echo 2 ;;
    base) echo 3 ;;
    *) echo -1 ;;
  esac
}

bad=0
report() { echo "$1"; bad=1; }
while IFS=: read -r file line text; do
  target="${text#*\"}"
  target="${target%%\"*}"
  from="${file%%/*}"
  to="${target%%/*}"
  [ "$to" = res ] && [ "$from" != base ] && continue
  if [ "$(rank "$to")" -lt 0 ]; then
    report "$file:$line: includes $target, outside the program's folders"
  elif [ "$(rank "$to")" -lt "$(rank "$from")" ]; then
    report "$file:$line: $from/ includes $target, which lies above it"
  elif [ "$(rank "$to")" = "$(rank "$from")" ] && [ "$to" != "$from" ]; then
    report "$file:$line: $from/ includes $target, of a sibling folder"
  elif [[ "$file" == */rules/* && "$target" != */rules/* ]]; then
    report "$file:$line: a rule includes $target, which is not a rule"
  fi
done < <(grep -rn --include='*.h' --include='*.cpp' '^#include "' "${layers[@]}")

while IFS= read -r file; do
  report "$file: a rule includes <windows.h>"
done < <(grep -rl --include='*.h' --include='*.cpp' '#include <windows.h>' ./*/rules || true)

# Inside a folder the units (a header and its source are one) form levels
# too: none includes, however indirectly, a unit that includes it back.
# tsort names the units of a loop and fails when it finds one.
while IFS= read -r folder; do
  edges=$(grep -Hn --include='*.h' --include='*.cpp' '^#include "' "$folder"/*.h "$folder"/*.cpp \
            2>/dev/null | while IFS=: read -r file _ text; do
    target="${text#*\"}"
    target="${target%%\"*}"
    [ "$(dirname "$target")" = "$folder" ] || continue
    from="${file%.*}"
    to="${target%.*}"
    [ "$from" = "$to" ] || echo "$from $to"
  done)
  [ -n "$edges" ] || continue
  if ! loop=$(tsort <<<"$edges" 2>&1 >/dev/null) || [ -n "$loop" ]; then
    report "$folder/: units include one another in a loop, among them:"
    grep -v 'input contains a loop' <<<"$loop" | sed 's/^tsort: /  /' | sort -u
  fi
done < <(find "${layers[@]}" -type d | sort)

if [ "$bad" = 0 ]; then
  echo "every include points down: ${layers[*]}, then res; no folder includes itself in a loop"
fi
exit "$bad"
