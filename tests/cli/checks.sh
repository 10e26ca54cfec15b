# What the prfhost end-to-end scripts share: a fresh state folder and the check helpers.
# Sourced with the path of prfhost as $1; each script ends with `finish`.
set -uo pipefail
prfhost=$1
state=$(mktemp -d)
trap 'rm -rf "$state"' EXIT
passed=0
failed=0

check() {  # check NAME EXPECTED_EXIT COMMAND... ; the output lands in $out
  local name=$1 expected=$2
  shift 2
  out=$("$@" 2>&1)
  local code=$?
  if [ "$code" -ne "$expected" ]; then
    echo "FAIL: $name: exit $code, expected $expected"; echo "$out" | sed 's/^/    /'
    failed=$((failed + 1)); return 1
  fi
  passed=$((passed + 1))
}
contains() {  # contains NAME TEXT: $out holds TEXT
  if ! grep -qF -- "$2" <<<"$out"; then
    echo "FAIL: $1: output lacks \"$2\""; echo "$out" | sed 's/^/    /'
    failed=$((failed + 1)); return 1
  fi
  passed=$((passed + 1))
}
finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
