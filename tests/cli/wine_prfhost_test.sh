#!/usr/bin/env bash
# prfhost.exe under Wine: the commands run on Wine's own spooler and registry, and every dialog
# the page opens (the page, message boxes, the file choosers) is the system's, answered by the
# operator's hook. Wine's printers differ from machine to machine, so only the lines that matter
# are checked. Run with WINEPREFIX set and a display (scripts/wine-test does both).
# usage: wine_prfhost_test.sh PATH_TO_PRFHOST_EXE
source "$(dirname "$0")/checks.sh" "$1"
# A dialog nobody answers would hang the command: each run has a minute.
run() { timeout 60 wine "$prfhost" "$@" </dev/null; }
file='C:\users\Public\wine_prfhost_test.jzp'

check "printers" 0 run printers
contains "demo printer installed" "JZ Color 5300  JZ Color 5300 PS"

check "list" 0 run list
contains "built-in profile" "  0  Factory Default"

check "show" 0 run show "Factory Default"
# The suites run before this one leave the printer's settings as they please: only the rows that
# do not depend on them are checked.
contains "summary read from the page" "[ Profile Information ]"
contains "description row" "The printer driver's factory default settings."

check "add" 0 run add Draft --yes
contains "added" 'Profile "Draft" added to JZ Color 5300 (registry number 1'
check "apply" 0 run apply Draft
contains "applied" 'Profile "Draft" applied to JZ Color 5300'
check "values" 0 run values
contains "stored profiles" "Profiles stored for JZ Color 5300: 2"

check "export through the save chooser" 0 run export "$file" --all
contains "exported" 'to C:\users\Public\wine_prfhost_test.jzp: 1 profile, "Draft".'

check "delete refused without an answer" 1 run delete Draft
contains "question seen in the system's box" "nobody was there to answer"
check "delete answered no" 1 run --answers no delete Draft
check "still listed" 0 run list
contains "kept" "  1  Draft"
check "delete" 0 run delete Draft --yes
contains "deleted" 'Deleted from JZ Color 5300: "Draft".'

check "import through the open chooser" 0 run import "$file" --yes
contains "imported" "1 of 1 profiles."
check "list after import" 0 run list
contains "back" "  1  Draft"

# The pictures are taken from the windows as Wine draws them, and written by prfhost's own PNG
# encoder: png_check.py reads them strictly (chunk CRCs, zlib stream, rows).
pictures="$WINEPREFIX/drive_c/users/Public"
png_check() { python3 "$(dirname "$0")/png_check.py" "$pictures/$1"; }
is_picture() {  # is_picture NAME FILE: a valid PNG of at least 200 × 200 pixels, not blank
  check "$1 decodes" 0 png_check "$2" || return
  local size=${out%% *} colours=${out#* }
  if [ "${size%x*}" -lt 200 ] || [ "${size#*x}" -lt 200 ] || [ "$colours" -lt 16 ]; then
    echo "FAIL: $1: $2 is $out, no page picture"; failed=$((failed + 1)); return 1
  fi
  passed=$((passed + 1))
}
check "page picture" 0 run page --png 'C:\users\Public\page.png' --select Draft
contains "page written" 'Profile page of JZ Color 5300 (template 4287, language 0x0409) written'
is_picture "page" page.png
check "properties picture" 0 run page --png 'C:\users\Public\properties.png' --properties Draft
contains "properties written" 'Profile properties of "Draft" on JZ Color 5300 (template 108'
is_picture "properties" properties.png
check "settings information picture" 0 run page --png 'C:\users\Public\info.png' --info
is_picture "settings information" info.png
check "unwritable picture" 1 run page --png 'C:\no\such\folder\page.png'
contains "says why" 'cannot write C:\no\such\folder\page.png'

check "state folder refused" 2 run --state x list
contains "refusal says why" "not available on Windows"
finish
