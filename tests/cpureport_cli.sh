#!/usr/bin/env bash
# cpureport as a user runs it: replay in each dump format, JSON completeness, save and reload, and one
# clear error (status 2, nothing on standard output) for every kind of bad input.
set -u
report=${CPUREPORT:?}
# A cross-built Windows cpureport runs through CROSSCOMPILING_EMULATOR (Wine).
read -ra emulator <<<"${CROSSCOMPILING_EMULATOR:-}"
run_report() { "${emulator[@]}" "$report" "$@"; }
machines=$(cd "$(dirname "$0")/machines" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0

expect_error() {
  local label=$1; shift
  run_report "$@" >"$work/out" 2>"$work/err"
  local status=$?
  if [ $status -ne 2 ] || [ -s "$work/out" ] || [ ! -s "$work/err" ] || [ "$(wc -l <"$work/err")" -ne 1 ]; then
    echo "FAIL ($label): status $status, stdout $(wc -c <"$work/out") bytes, stderr: $(cat "$work/err")"
    fail=1
  fi
}

# Bad input of every kind.
expect_error "missing file" --machine "$work/none.txt"
expect_error "directory" --machine "$work"
: >"$work/empty.txt"; expect_error "empty file" --machine "$work/empty.txt"
printf 'hello\nworld\n' >"$work/text.txt"; expect_error "nothing recognised" --machine "$work/text.txt"
head -c 4096 /dev/urandom >"$work/garbage.bin"; expect_error "binary garbage" --machine "$work/garbage.bin"
printf 'CPUID 00000000: 00000001-756E6547\n' >"$work/short.txt"; expect_error "malformed CPUID" --machine "$work/short.txt"
grep -q 'short.txt:1:' "$work/err" || { echo "FAIL: malformed line message lacks file and line: $(cat "$work/err")"; fail=1; }
printf 'CPUID 00000000: 00000001-756E6547-6C65746E-49656E69\nMSR 2A: 12\n' >"$work/msr.txt"
expect_error "malformed MSR" --machine "$work/msr.txt"
grep -q 'msr.txt:2:' "$work/err" || { echo "FAIL: MSR message lacks file and line: $(cat "$work/err")"; fail=1; }
head -c 20000000 /dev/zero | tr '\0' 'x' >"$work/huge.txt"; expect_error "huge file" --machine "$work/huge.txt"
expect_error "unknown option" --colour
expect_error "missing value" --machine
expect_error "bad clock option" --clock-option fast

# The same processor in the three formats gives the same report.
for format in athlon-xp.test athlon-xp-native.txt athlon-xp-hex.txt; do
  run_report --machine "$machines/$format" --json >"$work/$format.json" 2>"$work/err" ||
    { echo "FAIL: $format: $(cat "$work/err")"; fail=1; }
done
cmp -s "$work/athlon-xp.test.json" "$work/athlon-xp-native.txt.json" || { echo "FAIL: native format differs"; fail=1; }
cmp -s "$work/athlon-xp.test.json" "$work/athlon-xp-hex.txt.json" || { echo "FAIL: 0x format differs"; fail=1; }

# JSON: every item code and every record field, valid JSON.
if command -v python3 >/dev/null 2>&1; then
  python3 - "$work/athlon-xp.test.json" "$(dirname "$0")/../cpuinfo" <<'PY' || fail=1
import json, re, sys
data = json.load(open(sys.argv[1]))
codes = re.findall(r'ITEM\((INFO_\w+)|REMEASURE\((INFO_\w+)', open(sys.argv[2] + '/info_items.cpp').read())
header = open(sys.argv[2] + '/info_items.h').read()
values = {name: int(v, 16) for name, v in re.findall(r'(INFO_\w+) = 0x([0-9A-F]+)', header)}
expected = {'0x%04X' % values[a or b] for a, b in codes}
fields = re.findall(r'^ +(?:I32|U32|F64|TEXT)\((\w+),', open(sys.argv[2] + '/record_fields.h').read(), re.M)
missing = (expected - set(data['items'])) | (set(fields) - set(data['fields']))
if missing or len(fields) != 148:
    print('FAIL: JSON lacks', sorted(missing), len(fields)); sys.exit(1)
PY
fi

# Save a replayed machine and load it back: the same report.
run_report --machine "$machines/pentium4-2.40.test" --save "$work/saved.txt" >/dev/null 2>"$work/err" ||
  { echo "FAIL: save: $(cat "$work/err")"; fail=1; }
run_report --machine "$machines/pentium4-2.40.test" --json >"$work/a.json"
run_report --machine "$work/saved.txt" --json >"$work/b.json" 2>"$work/err" || { echo "FAIL: reload: $(cat "$work/err")"; fail=1; }
# The saved clock is a measurement (within 0.01 %), so clock figures are compared apart.
clockless() { grep -vE '"0x102[0-9A-F]"|Clock"|"OverclockPercent"' "$1"; }
diff <(clockless "$work/a.json") <(clockless "$work/b.json") >/dev/null ||
  { echo "FAIL: saved machine reports differently"; diff "$work/a.json" "$work/b.json" | head; fail=1; }
python3 -c 'import json,sys; a=json.load(open(sys.argv[1]))["fields"]["CoreClock"]; b=json.load(open(sys.argv[2]))["fields"]["CoreClock"]; sys.exit(0 if abs(a-b) <= 0.005*abs(a) else 1)' \
  "$work/a.json" "$work/b.json" || { echo "FAIL: saved clock differs by more than 0.5 %"; fail=1; }

# Files that are not regular files are refused at once instead of blocking.
mkfifo "$work/fifo"
expect_error "FIFO machine" --machine "$work/fifo"
# (A Windows build under Wine sees no file at all at a FIFO's path; the refusal is what counts there.)
[[ $report == *.exe ]] || grep -q 'not a regular file' "$work/err" || { echo "FAIL: FIFO message: $(cat "$work/err")"; fail=1; }
timeout 10 "${emulator[@]}" "$report" --machine "$machines/pentium4-2.40.test" --save "$work/fifo" >"$work/out" 2>"$work/err"
[ $? -eq 2 ] && [ ! -s "$work/out" ] || { echo "FAIL: save to a FIFO: $(cat "$work/err")"; fail=1; }

# A byte-order mark before the first line does not hide it.
{ printf '\xEF\xBB\xBF'; cat "$machines/pentium4-2.40.test"; } >"$work/bom.txt"
run_report --machine "$work/bom.txt" --json >"$work/bom.json" 2>"$work/err" || { echo "FAIL: BOM: $(cat "$work/err")"; fail=1; }
cmp -s "$work/a.json" "$work/bom.json" || { echo "FAIL: a BOM changes the report"; fail=1; }

# Saving a replay keeps its facts as given: a second save is byte for byte the first.
run_report --machine "$work/saved.txt" --save "$work/saved2.txt" >/dev/null 2>&1
cmp -s "$work/saved.txt" "$work/saved2.txt" || { echo "FAIL: re-saving a replay drifts"; diff "$work/saved.txt" "$work/saved2.txt" | head; fail=1; }

# A save that fails half-way (the file-size limit) leaves the previous file whole, and no temporary file.
cp "$work/saved.txt" "$work/keep.txt"
(trap '' XFSZ; ulimit -f 1; run_report --machine "$machines/athlon-xp-registers.txt" --save "$work/keep.txt") \
  >"$work/out" 2>"$work/err"
status=$?
if [ $status -ne 2 ] || ! cmp -s "$work/saved.txt" "$work/keep.txt" || ls "$work" | grep -q 'keep.txt.*tmp'; then
  echo "FAIL: interrupted save: status $status, $(cat "$work/err")"; fail=1
fi

# Output that cannot be written is an error (status 1 and one line), whatever the output.
for args in "--machine $machines/pentium4-2.40.test" "--machine $machines/pentium4-2.40.test --json" "--help" \
            "--machine $machines/pentium4-2.40.test --save $work/full.txt"; do
  # shellcheck disable=SC2086
  run_report $args >/dev/full 2>"$work/err"
  status=$?
  if [ $status -ne 1 ] || [ "$(wc -l <"$work/err")" -ne 1 ]; then
    echo "FAIL: $args > /dev/full: status $status, stderr: $(cat "$work/err")"; fail=1
  fi
done
run_report --machine "$machines/pentium4-2.40.test" >&- 2>"$work/err"
[ $? -eq 1 ] || { echo "FAIL: closed standard output not reported"; fail=1; }
if command -v python3 >/dev/null 2>&1; then
  # A pipe whose reader has gone, with SIGPIPE ignored: the write error must be reported.
  python3 - "$machines/pentium4-2.40.test" "${emulator[@]}" "$report" <<'PY' || fail=1
import os, signal, subprocess, sys
signal.signal(signal.SIGPIPE, signal.SIG_IGN)
read_end, write_end = os.pipe()
os.close(read_end)
run = subprocess.run(sys.argv[2:] + ["--machine", sys.argv[1]], stdout=write_end, stderr=subprocess.PIPE,
                     restore_signals=False)
if run.returncode != 1 or b"standard output" not in run.stderr:
    print("FAIL: broken pipe not reported:", run.returncode, run.stderr); sys.exit(1)
PY
fi

[ $fail -eq 0 ] && echo "cpureport: all checks passed"
exit $fail
