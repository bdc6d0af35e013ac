#!/usr/bin/env bash
# every-case-is-run.sh FILTERED WIN_TESTS: fails unless the cases that
# win_tests lists (--gtest_list_tests) are exactly the cases named in the
# ctest filters (FILTERED, one Suite.Name a line).
set -euo pipefail
filtered="$1" binary="$2"
listing="$(bash "$TIVORA_ROOT/scripts/wine-run.sh" "$binary" --gtest_list_tests 2>/dev/null | tr -d '\r')"
# "Suite." heads its cases, each indented on a line of its own; a
# parameterised case is "Name/0  # GetParam() = ...".
listed="$(awk '/^[^ ]/ { suite = $1; next } /^  [^ ]/ { print suite $1 }' <<<"$listing" | sort -u)"
[ -n "$listed" ] || { echo "FAIL: win_tests listed no case" >&2; exit 1; }
missing="$(comm -23 <(printf '%s\n' "$listed") <(sort -u "$filtered"))"
stale="$(comm -13 <(printf '%s\n' "$listed") <(sort -u "$filtered" | grep .))"
[ -z "$missing" ] || { printf 'FAIL: in no ctest filter, so never run:\n%s\n' "$missing" >&2; exit 1; }
[ -z "$stale" ] || { printf 'FAIL: filtered but not in win_tests:\n%s\n' "$stale" >&2; exit 1; }
echo "PASS: the $(wc -l <<<"$listed") cases of win_tests are each in one ctest filter"
