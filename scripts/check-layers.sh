#!/usr/bin/env bash
# The program's folders are layers that point one way: app/ at the top (the
# state and the wiring), then timer/, face/ and settings/, with res/ (the
# resource ids and the program's name) below them all. A file includes only
# its own folder, the folders below it and res/. A rules/ file stays free of
# the platform: it includes only rules/ files and res/, never <windows.h>.
# Prints every include that points the other way and fails if there is one.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
layers=(app timer face settings)

rank() {
  local i
  for i in "${!layers[@]}"; do
    if [ "${layers[$i]}" = "$1" ]; then echo "$i"; return; fi
  done
  echo -1
}

bad=0
report() { echo "$1"; bad=1; }
while IFS=: read -r file line text; do
  target="${text#*\"}"
  target="${target%%\"*}"
  from="${file%%/*}"
  to="${target%%/*}"
  [ "$to" = res ] && continue
  if [ "$(rank "$to")" -lt 0 ]; then
    report "$file:$line: includes $target, outside the program's folders"
  elif [ "$(rank "$to")" -lt "$(rank "$from")" ]; then
    report "$file:$line: $from/ includes $target, which lies above it"
  elif [[ "$file" == */rules/* && "$target" != */rules/* ]]; then
    report "$file:$line: a rule includes $target, which is not a rule"
  fi
done < <(grep -rn --include='*.h' --include='*.cpp' '^#include "' "${layers[@]}")

while IFS= read -r file; do
  report "$file: a rule includes <windows.h>"
done < <(grep -rl --include='*.h' --include='*.cpp' '#include <windows.h>' ./*/rules || true)

if [ "$bad" = 0 ]; then echo "every include points down: ${layers[*]}, then res"; fi
exit "$bad"
