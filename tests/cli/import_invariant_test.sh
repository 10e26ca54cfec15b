#!/usr/bin/env bash
# The import's invariant: profiles exported by prfhost, then a thousand mutations of them and a
# table of hostile files, each imported into a fresh demo state on Windows XP and on Windows 98,
# may change nothing but the profile list and the new profiles' values and side files. The
# mutations come from a fixed seed, so every run tries the same files.
# usage: import_invariant_test.sh PATH_TO_PRFHOST PATH_TO_IMPORT_INVARIANT
source "$(dirname "$0")/checks.sh" "$1"
invariant=$2
run() { "$prfhost" --state "$state" "$@" </dev/null; }

check "changed settings" 0 run settings set dmPaperSize=296 dmCopies=2 watermark.dwEnabled=1
check "custom size profile" 0 run add Photo --description "Custom size, two copies"
check "reset" 0 run settings reset
check "fine settings" 0 run settings set dmPaperSize=A3 dmPrintQuality=1200 dmYResolution=1200
check "fine profile" 0 run add Poster
check "export one" 0 run export "$state/one.jzp" Photo
check "export both" 0 run export "$state/both.jzp" --all
check "invariant" 0 "$invariant" 1000 20261206 "$state/one.jzp" "$state/both.jzp"
echo "$out" | tail -2
finish
