#!/usr/bin/env bash
# prfhost page end to end: the stand-alone profile page in its template for the language and the
# platform, written as a PNG picture. usage: page_test.sh PATH_TO_PRFHOST
source "$(dirname "$0")/checks.sh" "$1"
run() { "$prfhost" --state "$state" "$@"; }

# Width and height of a PNG file from its IHDR chunk; empty when the file is no PNG.
png_size() {
  [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || return
  local bytes
  bytes=($(od -An -tu1 -j16 -N8 "$1"))
  echo "$(((bytes[0] << 24) | (bytes[1] << 16) | (bytes[2] << 8) | bytes[3]))x$(((bytes[4] << 24) | (bytes[5] << 16) | (bytes[6] << 8) | bytes[7]))"
}
is_picture() {  # is_picture NAME FILE: FILE is a PNG of a plausible page size
  local size
  size=$(png_size "$2")
  if [ -z "$size" ] || [ "${size%x*}" -lt 200 ] || [ "${size#*x}" -lt 200 ]; then
    echo "FAIL: $1: $2 is no page picture (${size:-not a PNG})"; failed=$((failed + 1)); return 1
  fi
  passed=$((passed + 1))
}

check "English page" 0 run page --png "$state/en.png"
contains "template of the wide platform" "Profile page of JZ Color 5300 (template 4287, language 0x0409)"
is_picture "English picture" "$state/en.png"

check "Japanese page" 0 run page --png "$state/ja.png" --lang ja
contains "Japanese template" "(template 502, language 0x0411)"
is_picture "Japanese picture" "$state/ja.png"

check "Arabic page" 0 run page --png "$state/ar.png" --lang 0x0401
contains "right-to-left template" "(template 106, language 0x0401)"
is_picture "Arabic picture" "$state/ar.png"
if cmp -s "$state/en.png" "$state/ar.png"; then
  echo "FAIL: the right-to-left page looks like the left-to-right one"; failed=$((failed + 1))
fi

check "German page" 0 run page --png "$state/de.png" --lang 1031
contains "German uses the common template" "(template 4287, language 0x0407)"

check "Windows 98 page" 0 run --os 98 page --png "$state/98.png"
contains "ANSI platform template" "(template 507, language 0x0409)"
check "Windows NT 4.0 page" 0 run --os nt4 page --png "$state/nt4.png"
contains "NT 4.0 template" "(template 507, language 0x0409)"

check "network printer" 0 run --printer '\\PRINTSRV\JZ Mono 2100' page --png "$state/mono.png"
contains "network printer named" 'Profile page of \\PRINTSRV\JZ Mono 2100'

check "no picture file given" 2 run page
contains "asks for the file" "page needs --png FILE"
check "unknown language" 2 run page --png "$state/x.png" --lang klingon
contains "language refused" 'unknown language code "klingon"'
check "stray argument" 2 run page --png "$state/x.png" extra
check "unwritable picture" 1 run page --png "$state/no/such/folder/page.png"
contains "write failure told" "cannot write"
check "page help" 0 run page --help
contains "help names the option" "usage: prfhost page --png FILE [--lang CODE]"

finish
