#!/usr/bin/env bash
# jzpdump end to end, as a support engineer runs it on files a customer sent: a whole file in
# text and JSON, damaged files (what can be read, then where and why reading stopped) and wrong
# command lines. jzpdump stands beside prfhost, whose path is $1.
source "$(dirname "$0")/checks.sh"
jzpdump=$(dirname "$prfhost")/jzpdump

# A file with two profiles: "Office" with DWORD items (one of a tag the format does not know),
# the form name, a private range, a watermark block, one value and a "_Setup" value; "Plain"
# with nothing but an empty "_Setup".
python3 - "$state" <<'PY'
import struct, sys
def reg(name, data):
    return name.encode().ljust(260, b'\0') + struct.pack('<II', 3, len(data)) + data
def entry(name, info, sections):
    return (name.encode().ljust(32, b'\0') + struct.pack('<II', 7, 0x0080FF) +
            info.encode().ljust(512, b'\0') + struct.pack('<5I', 0, *map(len, sections)) +
            b'JZ Color 5300 PS'.ljust(128, b'\0') + b''.join(sections))
items = struct.pack('<6I', 6, 2, 15, 2, 77, 5)
form = 'Legal\0'.encode('utf-16-le')
block = struct.pack('<IHHHHI', 0x56745064, 20000, 0, 0x200, 0, 24) + bytes(8)
buffers = (struct.pack('<II', 19, len(form)) + form + struct.pack('<II', 51, 84) + bytes(84) +
           struct.pack('<II', 201, len(block)) + block)
office = entry('Office', 'Duplex and stapled',
               [items, buffers, reg('VtCPSData', bytes(48)), reg('_Setup', bytes(12))])
plain = entry('Plain', '', [b'', b'', b'', reg('_Setup', b'')])
head = b'JZP\0' + struct.pack('<HHHHhH', 0, 0, 0x340, 9, 2, 0) + b'JZ Color 5300 PS'.ljust(128, b'\0')
whole = head + office + plain
open(sys.argv[1] + '/good.jzp', 'wb').write(whole)
open(sys.argv[1] + '/cut.jzp', 'wb').write(whole[:len(head) + len(office) + 300])
open(sys.argv[1] + '/magic.jzp', 'wb').write(b'JZQ' + whole[3:])
open(sys.argv[1] + '/negative.jzp', 'wb').write(whole[:12] + struct.pack('<h', -2) + whole[14:])
big = bytearray(whole); struct.pack_into('<I', big, 144 + 560, 0xFFFFFF00)
open(sys.argv[1] + '/oversize.jzp', 'wb').write(bytes(big))
PY

check "whole file" 0 "$jzpdump" "$state/good.jzp"
contains "driver version" "Driver version:  0x0340"
contains "model" "Model:           JZ Color 5300 PS"
contains "count" "Profiles:        2"
contains "entry" "Profile 1 at byte 144: Office"
contains "icon colour" "Icon colour:  #FF8000"
contains "item with its name" "PFDM_DUPLEX (15)"
contains "unknown item" "unknown tag (77)"
contains "form name" '"Legal"'
contains "private range" "PFPD_STAPLING (51)"
contains "plug-in block" "block 20000 (watermark), version 0x0200"
contains "Section 3 value" "VtCPSData"
contains "Section 4" "_Setup"
contains "second profile" "Profile 2 at byte"

check "JSON" 0 "$jzpdump" --json "$state/good.jzp"
check "JSON parses" 0 python3 -c '
import json, sys
d = json.loads(sys.argv[1])
assert d["driverVersion"] == 0x340 and d["profileCount"] == 2, d
p = d["profiles"][0]
assert [i["name"] for i in p["items"]] == ["PFDM_ORIENTATION", "PFDM_DUPLEX", None], p["items"]
assert p["buffers"][0]["formName"] == "Legal" and p["buffers"][2]["blockName"] == "watermark"
assert p["setup"] == [{"name": "_Setup", "type": 3, "size": 12}]
assert "error" not in d' "$out"

check "file cut inside a profile" 1 "$jzpdump" "$state/cut.jzp"
contains "profile before the cut" "Profile 1 at byte 144: Office"
contains "where and why" "reading stopped at byte"
contains "which structure" "the entry of profile 2 of 2 needs 700 bytes"
check "cut file as JSON" 1 "$jzpdump" --json "$state/cut.jzp"
contains "error object" '"error":{"offset":'

check "wrong magic" 1 "$jzpdump" "$state/magic.jzp"
contains "magic" "reading stopped at byte 0: the file does not begin with \"JZP\""
check "negative count" 1 "$jzpdump" "$state/negative.jzp"
contains "count" "the profile count -2 is negative"
check "section larger than the file" 1 "$jzpdump" "$state/oversize.jzp"
contains "section" "reading stopped at byte 868: Section 2 of profile 1 of 2 is 4294967040 bytes long"
contains "entry before its sections" "Profile 1 at byte 144: Office"
contains "sections left alone" "its sections are not read"
check "missing file" 1 "$jzpdump" "$state/none.jzp"
contains "missing" "cannot open the file"

check "help" 0 "$jzpdump" --help
contains "usage" "Usage: jzpdump [--json] [--codepage N] FILE"
check "no file" 2 "$jzpdump"
check "two files" 2 "$jzpdump" "$state/good.jzp" "$state/good.jzp"
check "unknown option" 2 "$jzpdump" --xml "$state/good.jzp"
check "bad code page" 2 "$jzpdump" --codepage x "$state/good.jzp"
finish
