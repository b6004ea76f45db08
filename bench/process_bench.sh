#!/usr/bin/env bash
# The whole cputype process against a floor program that only waits 500 ms (as long as cputype's own
# clock measurement waits), run interleaved so both see the same load. Prints the median wall time of
# each, the median difference, and the median peak resident memory of each as GNU time reports it
# (the child's own figure; the shell's RUSAGE_CHILDREN would count the forked shell as well).
#
#   bench/process_bench.sh [CPUTYPE [FLOOR [RUNS]]]
# Defaults: build-bench/cputype, build-bench/sleep_floor, 21 runs (build with -DCPUTYPE_BENCH=ON).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cputype=${1:-$root/build-bench/cputype}
floor=${2:-$root/build-bench/sleep_floor}
runs=${3:-21}
gnu_time=/usr/bin/time
for program in "$cputype" "$floor"; do
  [ -x "$program" ] || { echo "process_bench: $program is not an executable (build with -DCPUTYPE_BENCH=ON)" >&2; exit 2; }
done
if ! "$gnu_time" -f '%M' true >/dev/null 2>&1; then
  echo "process_bench: GNU time is needed at $gnu_time (Debian package: time)" >&2
  exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Wall time of one run in microseconds, standard input from /dev/null, output discarded.
wall_us() {
  local start=$EPOCHREALTIME
  "$1" </dev/null >/dev/null
  local end=$EPOCHREALTIME
  echo $(( (${end/./} - ${start/./}) ))
}

# Peak resident memory of one run in KiB, from GNU time.
peak_kib() {
  "$gnu_time" -f '%M' -o "$work/rss" "$1" </dev/null >/dev/null
  cat "$work/rss"
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

: >"$work/floor.us"; : >"$work/cputype.us"; : >"$work/diff.us"; : >"$work/floor.kib"; : >"$work/cputype.kib"
for ((i = 0; i < runs; ++i)); do
  # Alternate which program goes first, so neither always runs right after the other.
  if ((i % 2)); then
    c=$(wall_us "$cputype"); f=$(wall_us "$floor")
  else
    f=$(wall_us "$floor"); c=$(wall_us "$cputype")
  fi
  echo "$f" >>"$work/floor.us"; echo "$c" >>"$work/cputype.us"; echo $((c - f)) >>"$work/diff.us"
  peak_kib "$floor" >>"$work/floor.kib"
  peak_kib "$cputype" >>"$work/cputype.kib"
done

floor_us=$(median <"$work/floor.us")
cputype_us=$(median <"$work/cputype.us")
diff_us=$(median <"$work/diff.us")
floor_kib=$(median <"$work/floor.kib")
cputype_kib=$(median <"$work/cputype.kib")
printf '%-10s %14s %16s\n' program "median wall ms" "peak resident MB"
awk -v us="$floor_us" -v kib="$floor_kib" 'BEGIN { printf "%-10s %14.3f %16.2f\n", "floor", us / 1000, kib / 1024 }'
awk -v us="$cputype_us" -v kib="$cputype_kib" 'BEGIN { printf "%-10s %14.3f %16.2f\n", "cputype", us / 1000, kib / 1024 }'
awk -v us="$diff_us" -v n="$runs" 'BEGIN { printf "cputype - floor: median %.3f ms over %d interleaved pairs\n", us / 1000, n }'
