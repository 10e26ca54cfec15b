#!/usr/bin/env bash
# prfhost install, uninstall and status end to end: the module registered with a printer's
# driver through its own exports, and what status reports.
# usage: registration_test.sh PATH_TO_PRFHOST
source "$(dirname "$0")/checks.sh" "$1"
line() { grep -F -- "$1" <<<"$out" | sed 's/^[^:]*:[[:space:]]*//'; }
run() { "$prfhost" --state "$state" "$@"; }
mono=('--printer' '\\PRINTSRV\JZ Mono 2100')

check "status before installing" 0 run status
contains "not registered yet" "Status:              903 not registered"
contains "no registered version" "Registered version:  -"
contains "module file" "PRFMOD32.dll"

check "install" 0 run install
contains "install reports the driver" "PRFMOD32.dll registered with the driver JZ Color 5300 PS."
# The demo driver holds three other modules under FeatureSet1 to 3.
grep -qF '"FeatureSet4"=hex:' "$state/registry.reg" && passed=$((passed + 1)) || {
  echo "FAIL: no FeatureSet4 in the saved registry"; failed=$((failed + 1)); }

check "status after installing" 0 run status
contains "registered" "Status:              901 registered and enabled"
[ "$(line 'File version:')" = "$(line 'Registered version:')" ] && passed=$((passed + 1)) || {
  echo "FAIL: registered version differs from the file's"; echo "$out"; failed=$((failed + 1)); }

check "install again" 0 run install
grep -qF '"FeatureSet5"=' "$state/registry.reg" && {
  echo "FAIL: a second installation took a second number"; failed=$((failed + 1)); } || passed=$((passed + 1))

check "other driver untouched" 0 run "${mono[@]}" status
contains "other driver not registered" "903 not registered"
check "uninstall on the other driver" 1 run "${mono[@]}" uninstall
contains "not registered there" "is not registered with the driver JZ Mono 2100"

check "uninstall" 0 run uninstall
contains "uninstall reports" "PRFMOD32.dll removed from the driver JZ Color 5300 PS."
check "status after removal" 0 run status
contains "not registered again" "903 not registered"
check "uninstall twice" 1 run uninstall
contains "uninstall twice says why" "is not registered"

for command in install uninstall status; do
  check "$command with arguments" 2 run "$command" extra
  check "$command --help" 0 run "$command" --help
  contains "$command usage" "usage: prfhost $command"
done
check "unknown printer" 1 "$prfhost" --state "$state" --printer Nobody install
check "status after an unknown printer" 0 run status
contains "nothing installed for an unknown printer" "903 not registered"

# A user who may only print on the printer may not change its driver's modules.
sed -i '/^\[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\JZ Color 5300\]$/a "UserAccess"=dword:00000008' \
  "$state/registry.reg"
check "restricted user cannot install" 1 run install
contains "refusal explained" "refused the installation (result 1)"
check "status after the refusal" 0 run status
contains "nothing installed by a restricted user" "903 not registered"

finish
