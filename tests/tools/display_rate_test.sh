#!/usr/bin/env bash
# display-rate as a user runs it: a header, a rule and a row per strobe and
# setting, and docs/display-rate.md shows exactly that table.
#   display_rate_test.sh DISPLAY_RATE TABLE_PAGE
set -euo pipefail
tool=${1:?path to display-rate}
readme=${2:?path to docs/display-rate.md}
fail() { echo "FAIL: $*" >&2; exit 1; }

table=$("$tool")
[ "$(grep -c '^| smooth |' <<<"$table")" -eq 12 ] || fail "not 12 rows of the smooth strobe"
[ "$(grep -c '^| discrete |' <<<"$table")" -eq 12 ] || fail "not 12 rows of the discrete strobe"
in_page=$(awk '/^\| strobe \| setting \|/ {on = 1} on && !/^\|/ {exit} on' "$readme")
diff <(echo "$table") <(echo "$in_page") || fail "the table in $readme is not what display-rate prints"
echo "display-rate: ok"
