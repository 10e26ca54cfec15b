#!/usr/bin/env bash
# prfhost add, edit, delete and apply end to end: the page's own commands driven through the
# page, the profiles read back from the printer's data, the questions answered or refused, and
# every refusal leaving the machine's registry file as it was.
# usage: profile_commands_test.sh PATH_TO_PRFHOST
source "$(dirname "$0")/checks.sh" "$1"
run() { "$prfhost" --state "$state" "$@" </dev/null; }
mono='\\PRINTSRV\JZ Mono 2100'
unchanged() {  # unchanged NAME: the registry file is the one saved by `keep`
  if cmp -s "$state/kept.reg" "$state/registry.reg"; then
    passed=$((passed + 1))
  else
    echo "FAIL: $1: the registry file changed"; failed=$((failed + 1))
  fi
}
keep() { cp "$state/registry.reg" "$state/kept.reg"; }
profile() {  # profile NAME REGEX: one row of `prfhost values` matches REGEX
  check "$1: values" 0 run values
  if grep -qE -- "$2" <<<"$out"; then passed=$((passed + 1)); else
    echo "FAIL: $1: no stored profile row matches $2"; echo "$out" | sed 's/^/    /'
    failed=$((failed + 1))
  fi
}

# Add: the current settings under a name, description, icon and colour; the colour box's names
# are those of the page (Navy is COLORREF 0x800000, #000080), and #FF8000 has no name there.
check "settings changed" 0 run settings set dmCopies=3
check "add" 0 run add Office --description "Duplex and stapled" --icon 7 --colour "#FF8000"
contains "added" 'Profile "Office" added to JZ Color 5300 (registry number 1, icon 7, colour #FF8000).'
profile "stored header" '^1 +Office +7 +#FF8000 +Duplex and stapled$'
check "custom colour kept for the printer" 0 grep -q '"ProfileCustomColor"=hex:' "$state/registry.reg"
check "stored values" 0 run values Office
contains "its settings" "Default DevMode      REG_BINARY  1676  printer data JZP_0001_Default DevMode"
contains "its setup data set" "_Setup               REG_BINARY  8     printer data JZP_0001__Setup"
check "named colour" 0 run add Night --colour navy
contains "next registry number" 'Profile "Night" added to JZ Color 5300 (registry number 2, icon 0, colour #000080).'
check "summary of the added profile" 0 run show Office
contains "its copies" "Copies "

# A name that is taken: the page asks whether to replace the profile.
keep
check "clash without an answer" 1 run add Office
contains "the question told" 'the page asked "A profile named "Office" already exists. Do you want to replace it?" and nobody was there to answer'
unchanged "clash without an answer"
check "clash answered no" 1 run --answers no add Office --icon 3
contains "answer told" "and the answer was no; nothing was changed"
unchanged "clash answered no"
check "clash answered yes" 0 run add Office --icon 3 --yes
contains "replaced under the lowest free number" 'Profile "Office" added to JZ Color 5300 (registry number 1, icon 3, colour #000000).'

# The dialog's own rules.
keep
check "built-in name" 1 run add "Factory Default"
contains "built-in name refused" "the dialog does not take the name \"Factory Default\": it is the built-in profile's"
check "name too long" 1 run add 12345678901234567890123456789012
contains "the name box's limit" "the dialog takes at most 31 characters for the name"
check "no such icon" 1 run add Icons --icon 45
contains "icons offered" "the dialog offers icons 0 to 44"
check "icon number beyond an int" 2 run add Icons --icon 4294967296
check "no such colour" 1 run add Pink --colour pink
contains "colours offered" "(White, Black, Red, Green, Blue, Cyan, Yellow, Magenta, Silver, Gray, Maroon, Dark Green, Navy, Teal, Purple, Olive, or #RRGGBB)"
unchanged "refused by the dialog"

# Edit.
check "edit" 0 run edit Office --name Draft --description "One copy" --colour Red
contains "edited" 'Profile "Draft" of JZ Color 5300 (registry number 1, icon 3, colour #FF0000).'
profile "edited header" '^1 +Draft +3 +#FF0000 +One copy$'
keep
check "rename onto another, answered no" 1 run --answers no edit Night --name Draft
unchanged "rename answered no"
check "edit the built-in profile" 1 run edit "Factory Default" --icon 2
contains "edit refused" "the page's Edit button is disabled: \"Factory Default\" is the built-in profile"
check "edit needs a change" 2 run edit Draft
unchanged "edits refused"

# Pictures of the properties dialog.
check "new profile's dialog" 0 run page --png "$state/new.png" --new
contains "new written" "Profile properties on JZ Color 5300 (template 108, language 0x0409) written to $state/new.png."
check "a profile's dialog" 0 run page --png "$state/old.png" --properties Draft
contains "old written" "Profile properties of \"Draft\" on JZ Color 5300 (template 108"
check "pictures are PNG files" 0 bash -c "head -c 4 '$state/new.png' | grep -q PNG && head -c 4 '$state/old.png' | grep -q PNG"

# Apply: the stored settings become the printer's current settings.
check "reset" 0 run settings reset
check "apply" 0 run apply Draft
contains "applied" 'Profile "Draft" applied to JZ Color 5300: its settings are the printer'"'"'s current settings.'
check "current settings" 0 run settings dmCopies
contains "the profile's copies" "$(printf '%-32s%d' dmCopies 3)"
check "apply an unknown profile" 1 run apply Nobody
contains "unknown profile" 'the page lists no profile "Nobody"'

# Delete.
keep
check "delete without an answer" 1 run delete Night
contains "confirmation told" 'the page asked "Do you want to delete the selected profiles?" and nobody was there to answer'
unchanged "delete without an answer"
check "delete the built-in profile" 1 run delete "Factory Default"
contains "delete refused" "the page's Delete button is disabled: \"Factory Default\" is the built-in profile"
unchanged "built-in profile kept"
check "delete with the built-in one" 1 run delete Night "Factory Default" --yes
contains "the other deleted" 'Deleted from JZ Color 5300: "Night".'
contains "the built-in one kept" 'the page kept "Factory Default"'
check "delete answered yes" 0 run --answers yes delete Draft
check "only the built-in profile is left" 0 run list
contains "row 0" "  0  Factory Default"
[ "$(grep -c '^  [0-9]' <<<"$out")" -eq 1 ] && passed=$((passed + 1)) || {
  echo "FAIL: more rows than the built-in one"; failed=$((failed + 1)); }

# The limit: the built-in profile and 25 others.
for i in $(seq 1 25); do run add "P$i" >/dev/null || { echo "FAIL: add P$i"; failed=$((failed + 1)); }; done
keep
check "the 26th profile" 1 run add P26
contains "limit told" "the page's Add button is disabled: the page holds 26 profiles, the most it takes"
unchanged "limit"

# The monochrome printer's settings are locked by its administrator.
check "locked printer" 1 run --printer "$mono" add Mono
contains "lock told" "the page's Add button is disabled: the administrator has locked the printer's settings"

# Windows 98 keeps a user profile's values in side files, and applies them back.
check "98: delete one" 0 run --os 98 delete P1 --yes
check "98: settings" 0 run --os 98 settings set dmCopies=4
check "98: add" 0 run --os 98 add Old
check "98: side file" 0 run --os 98 values Old
contains "98: settings in a side file" "Default DevMode      REG_BINARY  1676  side file C:\\WINDOWS\\SYSTEM\\JZ Color 5300_JZP_0001_Default DevMode"
check "98: reset" 0 run --os 98 settings reset
check "98: apply" 0 run --os 98 apply Old
check "98: current settings" 0 run --os 98 settings dmCopies
contains "98: the profile's copies" "$(printf '%-32s%d' dmCopies 4)"

finish
