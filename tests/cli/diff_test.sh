#!/usr/bin/env bash
# prfhost diff end to end: stored profiles compared with each other and with the current
# settings. The profiles are stored by prfstore as the profile page stores them.
# usage: diff_test.sh PATH_TO_PRFHOST PATH_TO_PRFSTORE
source "$(dirname "$0")/checks.sh" "$1"
prfstore=$2
run() { "$prfhost" --state "$state" "$@"; }
store() { "$prfstore" "$state" "$@" || { echo "FAIL: prfstore $*"; failed=$((failed + 1)); }; }
once() {  # once NAME TEXT: exactly one line of $out holds TEXT
  local count
  count=$(grep -cF -- "$2" <<<"$out")
  if [ "$count" -ne 1 ]; then
    echo "FAIL: $1: \"$2\" is on $count lines"; echo "$out" | sed 's/^/    /'
    failed=$((failed + 1)); return 1
  fi
  passed=$((passed + 1))
}
empty() {  # empty NAME: nothing was printed
  if [ -n "$out" ]; then
    echo "FAIL: $1: printed"; echo "$out" | sed 's/^/    /'; failed=$((failed + 1)); return 1
  fi
  passed=$((passed + 1))
}

check "machine" 0 run printers
store Draft 2
store Office 1 dmCopies=3
store Kinds 3 dmCopies=3 pdMain.wOutBinIdx=Rear watermark.dwEnabled=1 @VtCPSCount=four

check "identical profiles" 0 run diff Draft draft
empty "identical profiles print nothing"
check "profile stored from the current settings" 0 run diff Draft --current
empty "the current settings are compared in their stored form"

check "one field apart" 0 run diff Office Draft
contains "heading" 'Differences between "Office" and "Draft" on JZ Color 5300: 1'
contains "columns" "Setting   Office  Draft"
contains "the field with both values" "dmCopies  3       1"

check "each kind of difference" 0 run diff Kinds Draft --json
contains "JSON head" '{"printer": "JZ Color 5300", "first": "Kinds", "second": "Draft",'
once "public field" '{"setting": "dmCopies", "first": "3", "second": "1"}'
once "private field in its stored form" \
  '{"setting": "pdMain.wOutBinIdx", "first": "1002 (Rear)", "second": "1001 (Top)"}'
once "plug-in block field" '{"setting": "watermark.dwEnabled", "first": "1", "second": "0"}'
once "data set, from its first differing byte" \
  '{"setting": "data set VtCPSCount from byte 0", "first": "66 6F 75 72", "second": "02 00 00 00"}'
[ "$(grep -c '"setting"' <<<"$out")" -eq 4 ] && passed=$((passed + 1)) || {
  echo "FAIL: not four differences"; echo "$out"; failed=$((failed + 1)); }

check "current settings changed" 0 run settings set dmCopies=3
check "profile against the changed settings" 0 run diff Office --current
empty "Office holds the current settings"
check "the other profile against them" 0 run diff Draft --current
contains "current column" "Setting   Draft  current"
contains "current value" "dmCopies  1      3"

check "unknown profile" 1 run diff Nobody Draft
contains "says which" 'no profile "Nobody" is stored for "JZ Color 5300"'
check "one profile alone" 2 run diff Draft
check "two profiles and the current settings" 2 run diff Draft Office --current
finish
