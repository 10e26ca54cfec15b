#!/usr/bin/env bash
# prfhost end to end: the commands a user runs, their output, exit codes and the state they
# leave. usage: prfhost_test.sh PATH_TO_PRFHOST
source "$(dirname "$0")/checks.sh" "$1"
run() { "$prfhost" --state "$state" "$@"; }

check "first run creates the machine" 0 run printers
contains "color printer listed" "JZ Color 5300            JZ Color 5300 PS"
contains "network printer listed" '\\PRINTSRV\JZ Mono 2100  JZ Mono 2100'
[ -f "$state/registry.reg" ] && [ -d "$state/drive_c" ] || { echo "FAIL: no state files"; failed=$((failed + 1)); }

check "settings show" 0 run settings
contains "public part" "dmPaperSize                     1 (Letter)"
contains "blocks" "40000 profiles: offset 1428, 16 bytes"

check "settings set" 0 run settings set dmPaperSize=A4 dmOrientation=landscape PFPD_OUTBINIDX=Rear
check "settings kept" 0 run settings dmPaperSize pdMain.wOutBinIdx dmOrientation
contains "paper kept" "dmPaperSize                     9 (A4)"
contains "bin kept" "pdMain.wOutBinIdx               1 (Rear)"

cp "$state/registry.reg" "$state/before.reg"
check "unknown value" 1 run settings set dmCopies=2 dmPaperSize=Banner
contains "unknown value named" '"Banner" is not a value of dmPaperSize'
check "out of range" 1 run settings set dmCopies=70000
check "read-only field" 1 run settings set dmDriverExtra=0
check "unknown field" 1 run settings set dmNothing=1
check "unknown field shown" 1 run settings dmNothing
cmp -s "$state/registry.reg" "$state/before.reg" || { echo "FAIL: a refused change altered the state"; failed=$((failed + 1)); }

check "unknown printer" 1 "$prfhost" --state "$state" --printer Nobody settings
contains "unknown printer named" 'unknown printer "Nobody"'
check "network printer" 0 "$prfhost" --state "$state" --printer '\\PRINTSRV\JZ Mono 2100' settings dmPaperSize poster.dwLayout
contains "mono defaults" "dmPaperSize                     9 (A4)"

check "reset" 0 run settings reset
check "reset took" 0 run settings dmPaperSize
contains "back to letter" "1 (Letter)"

check "unknown command" 2 run frobnicate
check "unknown option" 2 "$prfhost" --colour red printers
check "bad os" 2 "$prfhost" --os vista printers
check "no command" 2 run
for command in printers settings; do
  check "$command --help" 0 run "$command" --help
  contains "$command usage" "usage: prfhost $command"
done
check "global help" 0 "$prfhost" --help
contains "lists commands" "settings    show or change"

finish
