#!/usr/bin/env bash
# cputype as a user runs it: the exact message bytes around the name, an immediate end when standard
# input is at end of file, arguments ignored, and ReadMSR/WriteMSR exported from the executable.
# A Windows build runs through CROSSCOMPILING_EMULATOR (Wine) when cross-built; its text-mode standard
# output ends lines with CR LF, and its exports are read from the PE export table with objdump.
set -u
cputype=$1
fail=0
read -ra emulator <<<"${CROSSCOMPILING_EMULATOR:-}"
newline=0a
[[ $cputype == *.exe ]] && newline=0d0a
out=$(mktemp)
trap 'rm -f "$out"' EXIT

check_output() {
  local label=$1; shift
  timeout 20 "${emulator[@]}" "$cputype" "$@" < /dev/null > "$out"
  local status=$?
  if [ $status -ne 0 ]; then
    echo "FAIL ($label): exit status $status (124: still waiting for input after 20 s)"
    fail=1
  fi
  local hex
  hex=$(od -An -v -tx1 < "$out" | tr -d ' \n')
  local prefix=435055c3feabac3a
  local suffix=${newline}${newline}abf6456e746572c1e4c2f7b67d${newline}
  if [[ $hex != "$prefix"* || $hex != *"$suffix" ]]; then
    echo "FAIL ($label): output bytes $hex"
    fail=1
  fi
  # Between label and prompt: the name, plain printable ASCII without line feeds.
  local middle=${hex#"$prefix"}
  middle=${middle%"$suffix"}
  if [[ -n $middle ]] && ! printf '%s' "$middle" | grep -qE '^([2-7][0-9a-f])*$'; then
    echo "FAIL ($label): name bytes are not printable ASCII: $middle"
    fail=1
  fi
}

check_output "no arguments"
check_output "arguments ignored" --help -x something

if [[ $cputype == *.exe ]]; then
  # The names in the export table: lines "[   0] ReadMSR" under "[Ordinal/Name Pointer] Table".
  exports=$("${OBJDUMP:-objdump}" -p "$cputype" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p')
  for symbol in ReadMSR WriteMSR; do
    if ! grep -qE "^[[:space:]]*\[ *[0-9]+\][[:space:]]+$symbol\$" <<<"$exports"; then
      echo "FAIL: $symbol is not exported"
      fail=1
    fi
  done
elif command -v nm >/dev/null 2>&1; then
  exports=$(nm -D --defined-only "$cputype")
  for symbol in ReadMSR WriteMSR; do
    if ! grep -qE "[[:space:]]T[[:space:]]+$symbol\$" <<<"$exports"; then
      echo "FAIL: $symbol is not exported"
      fail=1
    fi
  done
fi

# A message that cannot be written is reported with status 1 instead of waiting for Enter.
err=$(mktemp)
timeout 20 "${emulator[@]}" "$cputype" < /dev/null > /dev/full 2>"$err"
status=$?
if [ $status -ne 1 ] || [ "$(wc -l <"$err")" -ne 1 ]; then
  echo "FAIL: output to /dev/full: status $status, stderr: $(cat "$err")"; fail=1
fi
timeout 20 "${emulator[@]}" "$cputype" < /dev/null >&- 2>"$err"
status=$?
[ $status -eq 1 ] || { echo "FAIL: closed standard output: status $status"; fail=1; }
rm -f "$err"

[ $fail -eq 0 ] && echo "cputype output and exports: ok"
exit $fail
