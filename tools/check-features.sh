#!/usr/bin/env bash
# Checks the processor profile's feature names against this machine's kernel: every feature cpureport
# reports must appear among the flags of /proc/cpuinfo. The kernel withholds a few flags whose CPUID bit
# is set until firmware or its own configuration enables the feature; those are listed apart, with the
# reason, and do not fail the check. Depends on the machine it runs on, so it is a tool, not a test.
#
#   tools/check-features.sh [path/to/cpureport]      (default: build/cpureport)
set -u
report=${1:-$(dirname "$0")/../build/cpureport}
[ -x "$report" ] || { echo "check-features: no cpureport at $report (build first)" >&2; exit 2; }
[ -r /proc/cpuinfo ] || { echo "check-features: /proc/cpuinfo is not readable (Linux only)" >&2; exit 2; }
command -v python3 >/dev/null || { echo "check-features: needs python3" >&2; exit 2; }

json=$("$report" --json --no-remeasure) || { echo "check-features: cpureport failed" >&2; exit 2; }
python3 - "$json" <<'PY'
import json, sys

# Flags the kernel shows only once firmware or its configuration enables the feature.
WITHHELD = {
    "sme": "memory encryption must be enabled by firmware",
    "sev": "memory encryption must be enabled by firmware",
    "sev_es": "memory encryption must be enabled by firmware",
    "sev_snp": "memory encryption must be enabled by firmware",
    "sgx": "SGX must be enabled by firmware",
    "sgx_lc": "SGX must be enabled by firmware",
    "vmx": "VMX can be locked off by firmware",
    "tme": "memory encryption must be enabled by firmware",
    "la57": "shown only when the kernel runs with 5-level paging",
    "ibt": "shown only when the kernel is built with indirect-branch tracking",
    "pku": "shown only when the kernel supports protection keys",
    "ospke": "shown only when the kernel enables protection keys",
    "hle": "cleared when the kernel turns transactional memory off",
    "rtm": "cleared when the kernel turns transactional memory off",
    "mpx": "no longer supported by Linux",
}

ours = json.loads(sys.argv[1])["processor"]["features"]
flags = set()
for line in open("/proc/cpuinfo"):
    if line.startswith("flags"):
        flags = set(line.split(":", 1)[1].split())
        break
missing = [f for f in ours if f not in flags]
withheld = [f for f in missing if f in WITHHELD]
wrong = [f for f in missing if f not in WITHHELD]
print("features reported: %d, in /proc/cpuinfo: %d" % (len(ours), len(ours) - len(missing)))
for f in withheld:
    print("  withheld by the kernel: %s (%s)" % (f, WITHHELD[f]))
if wrong:
    print("FAIL: reported but not in /proc/cpuinfo: " + " ".join(wrong))
    sys.exit(1)
print("feature check passed")
PY
