#!/usr/bin/env bash
# Cross-checks the processor profile against the peer library's decoding stored in recorded dumps: each
# dump file holds CPUID leaves, a line of dashes, then the peer's values, its code name third from the
# end (for example "Ryzen 9 (Vermeer)"). Replays every dump with cpureport, compares the code names
# (the part in parentheses, case and accents ignored) and prints the disagreements and the agreement.
#
#   tools/crosscheck-dumps.sh [dump folder] [path/to/cpureport]
#   (defaults: ../shared/dumps-modern beside the checkout, build/cpureport)
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
dumps=${1:-$here/../shared/dumps-modern}
report=${2:-$here/build/cpureport}
[ -d "$dumps" ] || { echo "crosscheck-dumps: no folder $dumps" >&2; exit 2; }
[ -x "$report" ] || { echo "crosscheck-dumps: no cpureport at $report (build first)" >&2; exit 2; }
command -v python3 >/dev/null || { echo "crosscheck-dumps: needs python3" >&2; exit 2; }

python3 - "$dumps" "$report" <<'PY'
import json, os, re, subprocess, sys, unicodedata

dumps, report = sys.argv[1], sys.argv[2]

def peer_code_name(path):
    lines = [l.rstrip("\n") for l in open(path, encoding="utf-8", errors="replace")]
    lines = [l for l in lines if l.strip()]
    text = lines[-3] if len(lines) >= 3 else ""
    m = re.search(r"\(([^)]*)\)\s*$", text)
    return (m.group(1) if m else text).strip()

def normal(text):
    text = unicodedata.normalize("NFKD", text or "")
    return "".join(c for c in text if not unicodedata.combining(c)).casefold()

files = sorted(os.path.join(d, f) for d, _, fs in os.walk(dumps) for f in fs if f.endswith(".test"))
agree, rows, failures = 0, [], 0
for path in files:
    run = subprocess.run([report, "--json", "--no-remeasure", "--machine", path], capture_output=True, text=True)
    if run.returncode != 0:
        failures += 1
        print("LOAD FAILED %s: %s" % (os.path.relpath(path, dumps), run.stderr.strip()))
        continue
    p = json.loads(run.stdout)["processor"]
    ours, theirs = p["codename"] or "", peer_code_name(path)
    if not p["microarchitecture"]:
        failures += 1
        print("NO MICROARCHITECTURE %s" % os.path.relpath(path, dumps))
    if normal(ours) == normal(theirs):
        agree += 1
    else:
        rows.append((os.path.relpath(path, dumps), p["family"], p["model"], p["stepping"], ours, theirs))

for path, family, model, stepping, ours, theirs in rows:
    print("DIFFERS %-70s %02X/%02X/%X ours %-24r peer %r" % (path, family, model, stepping, ours, theirs))
total = len(files)
print("dumps: %d, loaded with a microarchitecture: %d, code names agree: %d (%.1f %%)"
      % (total, total - failures, agree, 100.0 * agree / total if total else 0.0))
sys.exit(1 if failures or total == 0 else 0)
PY
