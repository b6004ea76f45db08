#!/usr/bin/env bash
# cpureport as a person reads it, on every machine under tests/machines (recorded processors included):
# no bare -1 (nor FFFFFFFF, -1.00, -100.00), no empty row without --all, one label column that fits,
# hexadecimal values marked, the clock of a file without a recorded clock said to be the simulated
# counter's; the JSON's labels and unknown items; --help and --version.
set -u
report=${CPUREPORT:?}
# A cross-built Windows cpureport runs through CROSSCOMPILING_EMULATOR (Wine); its text lines end in
# CR LF, read here without the CR.
read -ra emulator <<<"${CROSSCOMPILING_EMULATOR:-}"
run_report() {
  "${emulator[@]}" "$report" "$@" | tr -d '\r'
  return "${PIPESTATUS[0]}"
}
machines=$(cd "$(dirname "$0")/machines" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
checked=0

# Rows are "  LABEL  VALUE": a label of words with single blanks, then two or more blanks, then the value.
check_text() {
  local name=$1 file=$2
  local bad
  bad=$(grep -nE '(^|[[:space:](])-1(\.0+)?($|[[:space:])])|FFFFFFFF|(^|[[:space:]])-100\.00($|[[:space:]])' "$file")
  [ -z "$bad" ] || { echo "FAIL $name: unknown figures shown as numbers:"; echo "$bad" | head -5; fail=1; }
  # A row, or the continuation of a wrapped value (the feature list): blanks up to the value column.
  bad=$(grep -nvE '^$|^[A-Z]|^  [^ ]+( [^ ]+)*  +[^ ]|^   +[^ ]' "$file")
  [ -z "$bad" ] || { echo "FAIL $name: empty rows:"; echo "$bad" | head -5; fail=1; }
  # One label column: every value, continued or not, starts at the same place.
  local columns
  columns=$(grep -E '^  ' "$file" | sed -E 's/^(  [^ ]+( [^ ]+)*  +|   +).*/\1/' | awk '{ print length($0) }' | sort -u | wc -l)
  [ "$columns" -eq 1 ] || { echo "FAIL $name: values start in $columns different columns"; fail=1; }
  grep -qE '^  Signature +0x[0-9A-F]+$' "$file" || { echo "FAIL $name: signature not marked as hexadecimal"; fail=1; }
  grep -qE '^  Family +0x[0-9A-F]+( \([0-9]+\))?$' "$file" || { echo "FAIL $name: family not marked as hexadecimal"; fail=1; }
  if [ "$(uname -s)" = Linux ] && [[ $report != *.exe ]] &&
     sed -nE 's/^  ([^ ]+( [^ ]+)*)  .*/\1/p' "$file" | grep -E 'MMT|multimedia|tick count|performance counter'; then
    echo "FAIL $name: another platform's words in labels"; fail=1
  fi
}

while IFS= read -r machine; do
  name=${machine#"$machines"/}
  run_report --machine "$machine" >"$work/report.txt" 2>"$work/err"
  status=$?
  if [ $status -ne 0 ]; then
    echo "FAIL $name: status $status: $(cat "$work/err")"; fail=1; continue
  fi
  check_text "$name" "$work/report.txt"
  # None of these files records a clock: the clock must say where it comes from.
  if ! grep -q 'SET tsc-mhz' "$machine"; then
    grep -qE '^  Core clock \(MHz\) +([0-9.]+ \(from the simulated counter: the file records no clock\)|unknown)$' \
      "$work/report.txt" || { echo "FAIL $name: the clock does not say it is the simulated counter's"; fail=1; }
  fi
  checked=$((checked + 1))
done < <(find "$machines" -type f \( -name '*.test' -o -name '*.txt' \) | sort)
[ "$checked" -ge 120 ] || { echo "FAIL: only $checked machine files checked"; fail=1; }

# A file that records its clock shows it plainly, with the figures that follow it.
sample="$machines/core2-6300-registers.txt"
{ echo "SET tsc-mhz = 1866.67"; cat "$sample"; } >"$work/clocked.txt"
run_report --machine "$work/clocked.txt" --no-remeasure >"$work/clocked.out"
check_text clocked "$work/clocked.out"
grep -qE '^  Core clock \(MHz\) +[0-9]+\.[0-9]{2}$' "$work/clocked.out" || { echo "FAIL: recorded clock not plain"; fail=1; }
grep -q 'simulated' "$work/clocked.out" && { echo "FAIL: a recorded clock called simulated"; fail=1; }

# --all: every item has its row, also the empty ones; the vendor groups all appear.
run_report --machine "$sample" --all >"$work/all.txt"
# The item rows, after the processor profile's section.
rows=$(sed -n '/^Identification$/,$p' "$work/all.txt" | grep -cE '^  ')
items=$(grep -cE '^ +(ITEM|REMEASURE)\(' "$(dirname "$0")/../cpuinfo/info_items.cpp")
[ "$rows" -eq "$items" ] || { echo "FAIL: --all shows $rows rows for $items items"; fail=1; }
grep -qE '^  Spare text 7 +\(empty\)$' "$work/all.txt" || { echo "FAIL: --all does not show an empty row as (empty)"; fail=1; }
grep -q '^Transmeta$' "$work/all.txt" || { echo "FAIL: --all hides the Transmeta group"; fail=1; }
run_report --machine "$sample" >"$work/plain.txt"
grep -q '^Transmeta$' "$work/plain.txt" && { echo "FAIL: Transmeta group on an Intel processor"; fail=1; }

# JSON: the items and fields as before, plus a label for every item and the unknown items.
if command -v python3 >/dev/null 2>&1; then
  run_report --machine "$sample" --json >"$work/report.json"
  golden="$machines/real/intel/x86-64/core/intel-core2-cpu-6300.json"
  run_report --machine "${golden%.json}.test" --json >"$work/golden.json"
  python3 - "$work/report.json" "$work/plain.txt" "$golden" "$work/golden.json" <<'PY' || fail=1
import json, sys
data = json.load(open(sys.argv[1]))
text = open(sys.argv[2]).read()
problems = []
if list(data)[:2] != ["items", "fields"]: problems.append("items and fields do not come first: %s" % list(data))
if set(data["labels"]) != set(data["items"]): problems.append("labels and items differ")
if not all(isinstance(v, str) and v for v in data["labels"].values()): problems.append("an empty label")
unknown = data["unknown"]
if not set(unknown) <= set(data["items"]): problems.append("unknown codes that are not items")
for code in ("0x1086", "0x10C0", "0x1047", "0x10A0"):  # L3 ways, die size, APIC id, ext-leaf family
    if code not in unknown: problems.append(code + " not unknown")
for code in ("0x1001", "0x1023", "0x1031"):
    if code in unknown: problems.append(code + " unknown")
golden, replayed = json.load(open(sys.argv[3])), json.load(open(sys.argv[4]))
if {k: replayed[k] for k in ("items", "fields")} != golden: problems.append("items or fields differ from " + sys.argv[3])
if replayed["items"]["0x1028"] != "-100.00": problems.append("the library's own overclock text changed")
for code in unknown:  # every unknown item that the text report shows says so
    label = data["labels"][code]
    for line in text.splitlines():
        if line.startswith("  " + label + "  ") and "unknown" not in line: problems.append("text shows " + line)
if problems:
    print("FAIL JSON:", "; ".join(problems)); sys.exit(1)
PY
fi

# --help names every option and every clock method; --version the version.
run_report --help >"$work/help.txt"
for option in --machine --json --all --no-remeasure --save --clock-option --help --version; do
  grep -q -- "$option" "$work/help.txt" || { echo "FAIL: --help does not mention $option"; fail=1; }
done
for code in 0 1 2 3 4 9; do
  grep -qE "^ +$code  " "$work/help.txt" || { echo "FAIL: --help does not say what --clock-option $code does"; fail=1; }
done
grep -q 'any other code' "$work/help.txt" || { echo "FAIL: --help does not say what other codes do"; fail=1; }
run_report --version >"$work/version.txt" && grep -qE '^cpureport \(cputype\) [0-9]+\.[0-9]+\.[0-9]+$' "$work/version.txt" ||
  { echo "FAIL: --version: $(cat "$work/version.txt")"; fail=1; }

[ $fail -eq 0 ] && echo "cpureport text report: $checked machine files, all checks passed"
exit $fail
