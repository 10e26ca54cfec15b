#!/usr/bin/env bash
# prfhost --json end to end: each command's JSON parses and holds what the text output shows.
# usage: json_test.sh PATH_TO_PRFHOST
source "$(dirname "$0")/checks.sh" "$1"
run() { "$prfhost" --state "$state" "$@"; }
json() {  # json NAME EXPRESSION: $out parses as JSON and EXPRESSION over it (as `d`) is true
  if python3 -c 'import json, sys; d = json.load(sys.stdin); sys.exit(0 if eval(sys.argv[1]) else 1)' \
       "$2" <<<"$out"; then
    passed=$((passed + 1))
  else
    echo "FAIL: $1: $2"; echo "$out" | sed 's/^/    /'; failed=$((failed + 1))
  fi
}

check "printers" 0 run printers --json
json "both printers with driver, port and type" \
  'd["printers"] == [{"name": "JZ Color 5300", "driver": "JZ Color 5300 PS", "port": "IP_10.0.0.53", "type": "local"}, {"name": "\\\\PRINTSRV\\JZ Mono 2100", "driver": "JZ Mono 2100", "port": "\\\\PRINTSRV\\JZMono2100", "type": "network"}]'

check "some settings" 0 run settings dmCopies dmPaperSize --json
json "the fields named, in order" \
  '[(s["field"], s["block"], s["value"]) for s in d["settings"]] == [("dmCopies", 0, "1"), ("dmPaperSize", 0, "1 (Letter)")]'
json "the chain of blocks, main block first" \
  '[b["id"] for b in d["blocks"]] == [1, 10000, 20000, 40000, 50000, 60000, 30000] and d["blocks"][0]["offset"] == 220'
check "every setting" 0 run settings --json
json "every field of the public part and the blocks" \
  'd["size"] == 1676 and {"dmCopies", "pdMain.wOutBinIdx", "watermark.dwEnabled"} <= {s["field"] for s in d["settings"]}'
check "unknown field" 1 run settings --json dmNothing

check "status" 0 run status --json
json "not registered" 'd["status"] == 903 and d["registeredVersion"] is None and d["driver"] == "JZ Color 5300 PS"'
check "install" 0 run install
check "status registered" 0 run status --json
json "registered with its version" 'd["status"] == 901 and d["registeredVersion"] == d["fileVersion"]'

check "list" 0 run list --json
json "the built-in profile" 'd == {"printer": "JZ Color 5300", "language": "0x0409", "profiles": ["Factory Default"]}'
check "show" 0 run show "Factory Default" --json
json "summary rows" \
  'd["profile"] == "Factory Default" and {"label": "Paper Size", "value": "Letter"} in d["summary"] and d["summary"][0] == {"label": "[ Profile Information ]", "value": ""}'

check "values" 0 run values --json
json "no list stored yet" 'd == {"printer": "JZ Color 5300", "profiles": []}'

finish
