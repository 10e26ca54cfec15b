#!/usr/bin/env bash
# Several prfhost processes on one state folder at once: each holds the folder's lock for its
# whole command, so none loses another's changes, and a reader always finds a whole registry.
# usage: concurrency_test.sh PATH_TO_PRFHOST
source "$(dirname "$0")/checks.sh" "$1"
run() { "$prfhost" --state "$state" "$@"; }
mono='\\PRINTSRV\JZ Mono 2100'

# Eight writers of different fields start together, the first round on a folder that holds no
# machine yet (one of them creates it), with readers of the registry file among them.
fields=(dmCopies dmScale dmYResolution dmTTOption dmCollate dmDitherType dmICMIntent dmPaperLength)
for round in 1 2 3; do
  pids=()
  for i in "${!fields[@]}"; do
    run settings set "${fields[$i]}=$((10 * round + i))" >/dev/null 2>&1 &
    pids+=($!)
  done
  run --printer "$mono" settings set "dmCopies=$((50 + round))" >/dev/null 2>&1 &
  pids+=($!)
  for reader in 1 2 3; do
    if [ -e "$state/registry.reg" ] &&
       ! head -1 "$state/registry.reg" | grep -q "^Windows Registry Editor Version 5.00"; then
      echo "FAIL: round $round: a reader found the registry file half written"
      failed=$((failed + 1))
    fi
  done
  for pid in "${pids[@]}"; do
    wait "$pid" || { echo "FAIL: round $round: a writer failed"; failed=$((failed + 1)); }
  done
  check "round $round read back" 0 run settings "${fields[@]}"
  for i in "${!fields[@]}"; do
    contains "round $round ${fields[$i]}" "$(printf '%-32s%d' "${fields[$i]}" $((10 * round + i)))"
  done
  check "round $round network printer" 0 run --printer "$mono" settings dmCopies
  contains "round $round its copies" "$(printf '%-32s%d' dmCopies $((50 + round)))"
done

# Writers that open the profile page take longer between reading the state and saving it:
# six profiles added at once are all kept.
pids=()
for name in North South East West Up Down; do
  run add "$name" >/dev/null 2>&1 &
  pids+=($!)
done
for pid in "${pids[@]}"; do
  wait "$pid" || { echo "FAIL: an add failed"; failed=$((failed + 1)); }
done
check "profiles read back" 0 run list
for name in North South East West Up Down; do
  contains "profile $name kept" "  $name"
done

finish
