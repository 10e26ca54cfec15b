#!/usr/bin/env bash
# prfhost info and page --info end to end: the settings information that the profile page's
# information button opens, read back from its tree and pictured with the tree expanded.
# usage: info_test.sh PATH_TO_PRFHOST
source "$(dirname "$0")/checks.sh" "$1"
run() { "$prfhost" --state "$state" "$@"; }
lacks() {  # lacks NAME TEXT: no line of $out is TEXT
  if grep -qxF -- "$2" <<<"$out"; then
    echo "FAIL: $1: output holds the line \"$2\""; echo "$out" | sed 's/^/    /'
    failed=$((failed + 1)); return 1
  fi
  passed=$((passed + 1))
}
holds() {  # holds NAME TEXT: $out holds TEXT, lines and all
  if [[ "$out" != *"$2"* ]]; then
    echo "FAIL: $1: output lacks"; echo "$2" | sed 's/^/    > /'; echo "$out" | sed 's/^/    /'
    failed=$((failed + 1)); return 1
  fi
  passed=$((passed + 1))
}
mono=('--printer' '\\PRINTSRV\JZ Mono 2100')

check "English tree" 0 run info
contains "heading" "Settings information of JZ Color 5300 (template 1033, language 0x0409):"
holds "paper node" $'Paper\n  Paper Size Letter -> Print Size Letter [100%]\n  Copies: 1\n'
holds "selected mailboxes" $'    Mailbox:Accounting, Owner:j.smith\n    Mailbox:Sales, Owner:m.garcia\n'
pages=$(grep -v '^ ' <<<"$out" | tail -n +2)
[ "$pages" = $'Paper\nLayout\nQuality\nOutput\nColor\nPrologue/Epilogue: No\nWatermark: No\nDriver Build: Release' ] &&
  passed=$((passed + 1)) || { echo "FAIL: pages"; echo "$pages"; failed=$((failed + 1)); }

check "Japanese tree" 0 run info --lang ja
contains "Japanese template" "(template 1029, language 0x0411)"
contains "Japanese paper node" "  用紙サイズ レター -> 出力サイズ レター [100%]"
contains "Japanese colon" "ドライバーのビルド： 製品版"

check "monochrome locked printer" 0 run "${mono[@]}" info
contains "its paper" "  Paper Size A4 -> Print Size A4 [100%]"
contains "shift in millimetres" "    Horizontal Shift: 5.0 mm"
lacks "no colour page" "Color"
lacks "no watermark page" "Watermark: No"

check "watermark on" 0 run settings set watermark.dwEnabled=1
check "tree with the watermark" 0 run info
contains "watermark page" "Watermark: Yes"
contains "watermark of the settings" "  Watermark: CONFIDENTIAL"
contains "its font named" "      Font: Arial"

check "JSON" 0 run info --json
contains "JSON head" '{"printer": "JZ Color 5300", "language": "0x0409", "template": 1033,'
contains "JSON node" '{"text": "Watermark: Yes", "expanded": false, "children": ['
if command -v python3 >/dev/null; then
  python3 -c 'import json, sys; json.load(sys.stdin)' <<<"$out" && passed=$((passed + 1)) || {
    echo "FAIL: the JSON does not parse"; failed=$((failed + 1)); }
fi

check "picture of the expanded tree" 0 run page --png "$state/info.png" --info
contains "picture written" "Settings information of JZ Color 5300 (template 1033, language 0x0409) written to $state/info.png."
[ "$(head -c 8 "$state/info.png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] &&
  passed=$((passed + 1)) || { echo "FAIL: info.png is no PNG"; failed=$((failed + 1)); }

check "either select or info" 2 run page --png "$state/x.png" --info --select "Factory Default"
check "unknown option" 2 run info --all
finish
