#!/usr/bin/env bash
# prfhost values end to end: a printer's stored profile list and one profile's stored values,
# on both platforms. The stored profiles are written into the machine's registry file the way
# the module stores them. usage: values_test.sh PATH_TO_PRFHOST
source "$(dirname "$0")/checks.sh" "$1"
lacks() {  # lacks NAME TEXT: $out does not hold TEXT
  if grep -qF -- "$2" <<<"$out"; then
    echo "FAIL: $1: output holds \"$2\""; echo "$out" | sed 's/^/    /'
    failed=$((failed + 1)); return 1
  fi
  passed=$((passed + 1))
}
run() { "$prfhost" --state "$state" "$@"; }

# Registry-file hex of a text in a zero-padded field, and of a 32-bit number.
field() {
  local text=$1 size=$2 out="" byte i
  for ((i = 0; i < size; i++)); do
    if ((i < ${#text})); then printf -v byte '%02x' "'${text:i:1}"; else byte=00; fi
    out+="${out:+,}$byte"
  done
  echo "$out"
}
dword() { printf '%02x,%02x,%02x,%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
header() {  # header NAME DESCRIPTION ICON COLOUR NUMBER: one 556-byte profile header
  echo "$(field "$1" 32),$(field "$2" 512),$(dword "$3"),$(dword "$4"),$(dword "$5")"
}
entry() {  # entry NAME TYPE SIZE: one 268-byte entry of a profile's value index
  echo "$(field "$1" 260),$(dword "$2"),$(dword "$3")"
}

check "empty list" 0 run values
contains "nothing stored" "No profiles are stored for JZ Color 5300."
check "unknown profile" 1 run values Office
contains "unknown profile named" 'no profile "Office" is stored for "JZ Color 5300"'
check "two profiles" 2 run values Office Draft

# Three headers counted but only two stored whole: the list shows the two.
cat >>"$state/registry.reg" <<EOF

[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\JZ Color 5300\\PrinterDriverData]
"JzProfileCount"=dword:00000003
"JzProfileData"=hex:$(header "Factory Default" "The driver's defaults." 0 0 0),$(header "Office" "Duplex and stapled" 7 $((0x80FF)) 1)
"JZP_0000"=hex:$(entry "Default DevMode" 3 4)
"JZP_0000_Default DevMode"=hex:0a,0b,0c,0d
"JZP_0001"=hex:$(entry "Default DevMode" 3 6),$(entry "VtCPSData" 3 96)
"JZP_0001_Default DevMode"=hex:01,02,03,04,05,06
EOF

check "stored list" 0 run values
contains "count" "Profiles stored for JZ Color 5300: 2"
contains "columns" "No.  Name             Icon  Colour   Description"
contains "default entry" "0    Factory Default  0     #000000  The driver's defaults."
contains "user profile" "1    Office           7     #FF8000  Duplex and stapled"

check "values of a profile, case ignored" 0 run values office
contains "profile named" 'Profile "Office" (registry number 1) of JZ Color 5300: 2 values'
contains "stored value" "Default DevMode  REG_BINARY  6        printer data JZP_0001_Default DevMode"
contains "missing value" "VtCPSData        REG_BINARY  missing  printer data JZP_0001_VtCPSData"

# On the ANSI platform user profiles keep their values in side files; the default profile's
# stay printer data.
printf '\x01\x02\x03' >"$state/drive_c/WINDOWS/SYSTEM/JZ Color 5300_JZP_0001_Default DevMode"
check "side files" 0 run --os 98 values Office
contains "side file" 'Default DevMode  REG_BINARY  3        side file C:\WINDOWS\SYSTEM\JZ Color 5300_JZP_0001_Default DevMode'
contains "missing side file" 'VtCPSData        REG_BINARY  missing  side file C:\WINDOWS\SYSTEM\JZ Color 5300_JZP_0001_VtCPSData'
check "default profile on the ANSI platform" 0 run --os 98 values "Factory Default"
contains "printer data" "Default DevMode  REG_BINARY  4     printer data JZP_0000_Default DevMode"
lacks "no side file" "side file"

check "other printer has none" 0 run --printer '\\PRINTSRV\JZ Mono 2100' values
contains "none on the other printer" 'No profiles are stored for \\PRINTSRV\JZ Mono 2100.'

check "values --help" 0 run values --help
contains "values usage" "usage: prfhost values [PROFILE]"

finish
