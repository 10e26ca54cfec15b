#!/usr/bin/env bash
# prfhost list, show and page --select end to end: the profiles as the page lists them, the
# summary the page builds for a selected profile, and its picture.
# usage: profile_list_test.sh PATH_TO_PRFHOST
source "$(dirname "$0")/checks.sh" "$1"
run() { "$prfhost" --state "$state" "$@"; }

check "list" 0 run list
contains "printer and language" "Profiles of JZ Color 5300 (language 0x0409):"
contains "built-in profile as row 0" "  0  Factory Default"
check "Japanese list" 0 run list --lang ja
contains "localized built-in profile" "  0  工場出荷時の設定"
check "network printer list" 0 run --printer '\\PRINTSRV\JZ Mono 2100' list
contains "network printer's built-in profile" "  0  Factory Default"

check "show built-in profile" 0 run show "Factory Default"
contains "summary title" 'Summary of "Factory Default" on JZ Color 5300 (language 0x0409):'
contains "profile heading" "[ Profile Information ]"
contains "description row" "The printer driver's factory default settings."
row() {  # row NAME LABEL VALUE: a summary row holds LABEL and then VALUE in its second column
  if ! grep -qE "^  $2 +$3\$" <<<"$out"; then
    echo "FAIL: $1: no row \"$2 ... $3\""; echo "$out" | sed 's/^/    /'
    failed=$((failed + 1)); return 1
  fi
  passed=$((passed + 1))
}
# The driver's setup stored the built-in profile's settings: its summary goes on past the
# headings, Letter and 600 dpi being the colour printer's defaults.
row "stored paper size" "Paper Size" "Letter"
row "stored print quality" "Print Quality:" "600 dpi"
check "network printer's built-in profile" 0 run --printer '\\PRINTSRV\JZ Mono 2100' show "Factory Default"
row "its paper size" "Paper Size" "A4"
row "its print quality" "Print Quality:" "300 dpi"
check "show in Japanese" 0 run show "工場出荷時の設定" --lang ja
contains "Japanese title" 'Summary of "工場出荷時の設定"'
check "unknown profile" 1 run show "No Such Profile"
contains "unknown profile told" 'the page lists no profile "No Such Profile"'
check "show needs a profile" 2 run show

check "page with a selection" 0 run page --png "$state/sel.png" --select "Factory Default"
contains "picture written" "written to $state/sel.png"
check "page selecting an unknown profile" 1 run page --png "$state/x.png" --select "Nobody"
contains "selection refused" 'the page lists no profile "Nobody"'

finish
