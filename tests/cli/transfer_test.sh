#!/usr/bin/env bash
# prfhost export and import end to end: profiles written through the page's export command in
# the list's order, the questions answered or refused (a refusal writes or stores nothing), and
# the import's report of what it adapted on the network monochrome printer: a paper size it does
# not offer, resolutions above its best, the custom size merged into its table and the plug-in
# blocks its driver lacks. usage: transfer_test.sh PATH_TO_PRFHOST
source "$(dirname "$0")/checks.sh" "$1"
run() { "$prfhost" --state "$state" "$@" </dev/null; }
mono='\\PRINTSRV\JZ Mono 2100'
keep() { cp "$state/registry.reg" "$state/kept.reg"; }
unchanged() {  # unchanged NAME: the registry file is the one saved by `keep`
  if cmp -s "$state/kept.reg" "$state/registry.reg"; then passed=$((passed + 1)); else
    echo "FAIL: $1: the registry file changed"; failed=$((failed + 1))
  fi
}
same_file() {  # same_file NAME A B
  if cmp -s "$2" "$3"; then passed=$((passed + 1)); else
    echo "FAIL: $1: $2 changed"; failed=$((failed + 1))
  fi
}
# The administrator frees the monochrome printer's settings (its model locks them).
unlock_mono() {
  sed -i 's/^\(\[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\,,PRINTSRV,JZ Mono 2100\]\)$/\1\n"Restriction"=dword:00000000/' "$state/registry.reg"
}

# Three profiles on the colour printer: a custom size (entry 0 of its table, "Photo 4x6", is
# paper 296), A3 at 1200 dpi, and two copies.
check "custom size" 0 run settings set dmPaperSize=296
check "add Photo" 0 run add Photo
check "reset" 0 run settings reset
check "A3 at 1200 dpi" 0 run settings set dmPaperSize=A3 dmPrintQuality=1200 dmYResolution=1200
check "add Poster" 0 run add Poster
check "reset" 0 run settings reset
check "two copies" 0 run settings set dmCopies=2
check "add Office" 0 run add Office

# Export: the file holds the profiles in the list's order, whatever the order named.
two="$state/two.jzp"
check "export two" 0 run export "$two" Poster Photo
contains "in list order" "Exported from JZ Color 5300 to $two: 2 profiles, \"Photo\", \"Poster\"."
cp "$two" "$state/kept.jzp"
check "existing file without an answer" 1 run export "$two" Office
contains "overwrite question" 'the page asked "The file already exists. Do you want to replace it?" and nobody was there to answer'
check "existing file answered no" 1 run --answers no export "$two" Office
contains "answered no" "and the answer was no; nothing was changed"
same_file "refused overwrites" "$state/kept.jzp" "$two"
check "built-in without an answer" 1 run export "$state/one.jzp" "Factory Default" Office
contains "built-in question" 'the page asked "The default profile cannot be exported and will be skipped. Do you want to continue?"'
check "built-in refused writes nothing" 1 test -e "$state/one.jzp"
check "built-in skipped" 0 run --yes export "$state/one" "Factory Default" Office
contains "extension added, built-in left out" "to $state/one.jzp: 1 profile, \"Office\"."
check "all" 0 run export "$state/all.jzp" --all
contains "all but the built-in" ': 3 profiles, "Office", "Photo", "Poster".'
check "unknown profile" 1 run export "$state/x.jzp" Nobody
contains "unknown told" 'the page lists no profile "Nobody"'
check "no profile named" 2 run export "$state/x.jzp"
check "--all and a name" 2 run export "$state/x.jzp" --all Office

# Import back onto the colour printer: the names clash.
keep
check "clash without an answer" 1 run import "$two"
contains "clash refused" 'Profile "Photo" not imported: the page asked "A profile named "Photo" already exists. Do you want to replace it?" and nobody was there to answer'
contains "count" "2 of 2 profiles were not imported"
unchanged "clash without an answer"
check "clash answered yes, then no" 1 run --answers yes,no import "$two"
contains "first replaced" 'Profile "Photo" (registry number'
contains "custom size of the same printer" 'custom size "Photo 4x6" reused at index 0'
contains "second kept" 'Profile "Poster" not imported: the page asked "A profile named "Poster" already exists. Do you want to replace it?" and the answer was no.'

# The monochrome printer offers 10 paper sizes without A3, 150 and 300 dpi, one custom size
# ("Index Card 5x8") and no prologue/epilogue, poster or overlay blocks.
check "locked printer" 1 run --printer "$mono" import "$two"
contains "import disabled" "the page's Import button is disabled: the administrator has locked the printer's settings"
unlock_mono
keep
check "other model without an answer" 1 run --printer "$mono" import "$two"
contains "model question" 'the page asked "This profile file was made for a different printer model or driver version.'
contains "nothing imported" "; nothing was imported"
unchanged "model question refused"
check "import on mono" 0 run --printer "$mono" --yes import "$two"
contains "imported" "Imported into \\\\PRINTSRV\\JZ Mono 2100 from $two: 2 of 2 profiles."
contains "custom size merged" 'custom size "Photo 4x6" added as "Photo 4x6" at index 1'
contains "paper size" "paper size 8 (A3) is not offered here: 1 (Letter)"
contains "print quality" "print quality 1200 dpi capped to 300 dpi"
contains "vertical resolution" "vertical resolution 1200 dpi capped to 300 dpi"
contains "prologue block" "plug-in block 10000 (prologue/epilogue) left out: this printer's driver has no such block"
contains "poster block" "plug-in block 50000 (poster) left out"
contains "overlay block" "plug-in block 30000 (overlay) left out"
check "stored paper" 0 run --printer "$mono" show Poster
contains "Letter in the summary" "Letter"
check "again, in Japanese, as JSON" 0 run --printer "$mono" --lang ja --yes import "$two" --json
contains "A4 outside US English" '{"kind": "paperSize", "text": "paper size 8 (A3) is not offered here: 9 (A4)", "details": {"from": 8, "to": 9}}'
contains "custom size added again" '"how": "added"'

# A value whose name reaches outside the printer's data is not stored, and the report says so:
# the first value of the first profile ("VtCPSCount", 4 bytes) renamed. Its Section 3 follows
# the header (144 bytes), the entry (700) and Sections 1 and 2, whose sizes are at 700 and 704.
cp "$two" "$state/evil.jzp"
sizes=($(od -An -tu4 -j 700 -N 8 "$two"))
printf '..\\evil\0' | dd of="$state/evil.jzp" bs=1 seek=$((144 + 700 + sizes[0] + sizes[1])) \
  conv=notrunc status=none
check "hostile value name" 0 run --printer "$mono" --yes import "$state/evil.jzp"
contains "value refused" 'value "..\evil" (4 bytes) was not stored'
check "nothing stored under it" 0 run --printer "$mono" values Photo
if grep -qF 'evil' <<<"$out"; then echo "FAIL: the hostile value was stored"; failed=$((failed + 1)); fi

# Files that are no profile files.
check "missing file" 1 run import "$state/missing.jzp"
contains "missing told" "cannot import $state/missing.jzp: cannot open the file"
echo "not a profile file" >"$state/text.jzp"
check "text file" 1 run import "$state/text.jzp"
contains "no profile file" "cannot import $state/text.jzp: it is no profile file"
check "import usage" 2 run import
finish
