#!/usr/bin/env bash
# The installed library as a user meets it: install a finished build into a temporary prefix, check what
# was installed (and that none of it shares a name with Debian's unrelated libcpuinfo packages), build the
# example against it once with CMake (find_package) and once with pkg-config, run both, run the installed
# programs, and read both manual pages with man -l.
#
# usage: tests/install_check.sh BUILD-FOLDER SOURCE-FOLDER
#   CPUTYPE_CHECK_FETCHCONTENT=1   also build the example with the source folder through FetchContent
#   CPUTYPE_LIVE_DEBIAN_LIST=1     also compare with the file lists of the packages as Debian ships them now
#                                  (apt-get download and dpkg -c; skipped when that fails)
set -u
build=${1:?build folder}
source=$(cd "${2:?source folder}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail=0
say_fail() { echo "FAIL: $*"; fail=1; }

command -v c++ >/dev/null 2>&1 || { echo "skipped: no C++ compiler named c++"; exit 77; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; say_fail "cmake --install"; exit 1; }
(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort) >"$work/installed"
echo "installed under the prefix:"
sed 's/^/  /' "$work/installed"

# What must be there. The library folder is whatever the build chose (lib, lib64, lib/<triplet>).
libfile=$(grep -E '(^|/)libcputype\.(a|so)$|(^|/)(lib)?cputype\.(lib|dll\.a)$' "$work/installed" | head -1)
[ -n "$libfile" ] || say_fail "no libcputype library installed"
libdir=$(dirname "${libfile:-lib/x}")
for wanted in bin/cputype bin/cpureport \
  include/cputype/cpuinfo/cpu_info.h include/cputype/cpuinfo/info_items.h include/cputype/cpuinfo/record_fields.h \
  include/cputype/cpuinfo/msr.h include/cputype/platform/machine.h include/cputype/platform/simulated_machine.h \
  include/cputype/platform/machine_file.h \
  "$libdir/cmake/cputype/cputypeConfig.cmake" "$libdir/cmake/cputype/cputypeConfigVersion.cmake" \
  "$libdir/cmake/cputype/cputypeTargets.cmake" "$libdir/pkgconfig/cputype.pc" \
  share/man/man1/cputype.1 share/man/man1/cpureport.1; do
  grep -qxF "$wanted" "$work/installed" || say_fail "$wanted not installed"
done
# Every installed header compiles on its own (it includes what it needs, and only installed headers).
while IFS= read -r header; do
  printf '#include "%s"\n' "${header#include/cputype/}" >"$work/one_header.cpp"
  c++ -std=c++17 -fsyntax-only -I"$prefix/include/cputype" "$work/one_header.cpp" 2>"$work/err" ||
    { say_fail "$header does not compile alone:"; head -5 "$work/err"; }
done < <(grep '^include/' "$work/installed")

# Nothing shares a name or a place with Debian's libcpuinfo-dev and libcpuinfo0.
lists=("$source/tests/install/debian-libcpuinfo.files")
if [ "${CPUTYPE_LIVE_DEBIAN_LIST:-0}" = 1 ] && command -v apt-get >/dev/null && command -v dpkg >/dev/null; then
  if (cd "$work" && apt-get download libcpuinfo-dev libcpuinfo0 >/dev/null 2>&1); then
    for deb in "$work"/*.deb; do dpkg -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./|/|'; done >"$work/live.files"
    lists+=("$work/live.files")
    echo "compared with Debian's current packages too: $(wc -l <"$work/live.files") files"
  else
    echo "note: Debian's package lists could not be downloaded; compared with the stored list only"
  fi
fi
# Their paths without /usr and with the multiarch library folder as plain lib, like ours.
normalize() { sed -E 's|^/usr/||; s|^lib/[a-z0-9_]+-linux-gnu[a-z]*/|lib/|; s|^lib64/|lib/|'; }
grep -hv '^#' "${lists[@]}" | normalize | sort -u >"$work/theirs"
normalize <"$work/installed" | sort -u >"$work/ours"
collisions=$(comm -12 "$work/theirs" "$work/ours")
[ -z "$collisions" ] || say_fail "installed paths collide with Debian's libcpuinfo: $collisions"
sed 's|.*/||' "$work/theirs" | sort -u >"$work/their_names"
sed 's|.*/||' "$work/ours" | sort -u >"$work/our_names"
same_names=$(comm -12 "$work/their_names" "$work/our_names")
[ -z "$same_names" ] || say_fail "installed files share names with Debian's libcpuinfo: $same_names"
grep -iE '(^|/)(lib)?cpuinfo[^/]*$|^(include|lib|lib/cmake|lib/pkgconfig)/cpuinfo' "$work/ours" &&
  say_fail "something installed under the name cpuinfo"

# The installed programs run.
"$prefix/bin/cputype" </dev/null >"$work/cputype.out" 2>&1 || say_fail "installed cputype: $(cat "$work/cputype.out")"
"$prefix/bin/cpureport" --version >"$work/version.out" 2>&1 || say_fail "installed cpureport --version"
"$prefix/bin/cpureport" --machine "$source/tests/machines/pentium4-2.40.test" >/dev/null ||
  say_fail "installed cpureport cannot replay a machine"

expected_processor='Intel Pentium 4'
run_example() {
  local how=$1 program=$2
  "$program" "$source/tests/machines/pentium4-2.40.test" >"$work/$how.out" 2>&1 ||
    { say_fail "example built with $how: $(cat "$work/$how.out")"; return; }
  grep -qE "^Processor +$expected_processor\$" "$work/$how.out" ||
    { say_fail "example built with $how names the replayed processor wrongly:"; cat "$work/$how.out"; }
  "$program" >"$work/$how.native.out" 2>&1 || say_fail "example built with $how on this machine: $(cat "$work/$how.native.out")"
  grep -q '^Vendor ' "$work/$how.native.out" || say_fail "example built with $how printed nothing on this machine"
  echo "example built with $how: ok"
}

# CMake: find_package(cputype) from the prefix.
if cmake -S "$source/examples" -B "$work/cmake" -DCMAKE_PREFIX_PATH="$prefix" >"$work/cmake.log" 2>&1 &&
   cmake --build "$work/cmake" >>"$work/cmake.log" 2>&1; then
  run_example CMake "$work/cmake/print_processor"
else
  cat "$work/cmake.log"; say_fail "the example does not build with CMake against the installed package"
fi

# pkg-config.
if command -v pkg-config >/dev/null 2>&1; then
  export PKG_CONFIG_PATH="$prefix/$libdir/pkgconfig"
  flags=$(pkg-config --cflags --libs cputype) || say_fail "pkg-config does not find cputype"
  # shellcheck disable=SC2086
  if c++ -std=c++17 "$source/examples/print_processor.cpp" $flags -o "$work/print_processor_pc" 2>"$work/pc.log"; then
    LD_LIBRARY_PATH="$prefix/$libdir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}" run_example pkg-config "$work/print_processor_pc"
  else
    cat "$work/pc.log"; say_fail "the example does not build with pkg-config ($flags)"
  fi
else
  echo "note: pkg-config is not installed; the pkg-config build was not checked"
fi

# FetchContent of the source folder (builds the library once more).
if [ "${CPUTYPE_CHECK_FETCHCONTENT:-0}" = 1 ]; then
  if cmake -S "$source/examples" -B "$work/fetch" -DCPUTYPE_SOURCE="$source" >"$work/fetch.log" 2>&1 &&
     cmake --build "$work/fetch" -j2 >>"$work/fetch.log" 2>&1; then
    run_example FetchContent "$work/fetch/print_processor"
    # As a subproject only the library is built, and nothing of it is installed.
    [ ! -e "$work/fetch/_deps/cputype-build/cputype" ] || say_fail "FetchContent built the cputype program too"
    cmake --install "$work/fetch" --prefix "$work/fetch-prefix" >/dev/null 2>&1
    [ -z "$(find "$work/fetch-prefix" -type f 2>/dev/null)" ] || say_fail "as a subproject, cputype installs files"
  else
    tail -30 "$work/fetch.log"; say_fail "the example does not build with FetchContent"
  fi
fi

# The manual pages, read the way a user reads an uninstalled page: man -l. Without man, groff checks them.
for page in cputype cpureport; do
  file="$prefix/share/man/man1/$page.1"
  if command -v man >/dev/null 2>&1; then
    MANWIDTH=80 man --warnings -l "$file" >"$work/man.out" 2>"$work/man.err"
    reader="man -l"
  elif command -v groff >/dev/null 2>&1; then
    groff -man -Tutf8 -ww "$file" >"$work/man.out" 2>"$work/man.err"
    reader=groff
  else
    echo "note: neither man nor groff is installed; the manual pages were not read"
    break
  fi
  [ -s "$work/man.err" ] && { say_fail "$reader $page.1 warns:"; cat "$work/man.err"; }
  for heading in NAME SYNOPSIS DESCRIPTION "EXIT STATUS" "SEE ALSO"; do
    grep -q "^$heading" "$work/man.out" || say_fail "$reader $page.1 has no $heading"
  done
  grep -q '@PROJECT_VERSION@' "$work/man.out" && say_fail "$page.1 has no version filled in"
  echo "$reader $page.1: $(wc -l <"$work/man.out") lines"
done

# Every option of cpureport --help is in its manual page.
if [ -s "$work/man.out" ]; then
  cp "$work/man.out" "$work/cpureport.man"
  for option in $("$prefix/bin/cpureport" --help | grep -oE -- '--[a-z-]+' | sort -u); do
    grep -q -- "$option" "$work/cpureport.man" || say_fail "cpureport.1 does not describe $option"
  done
fi

[ $fail -eq 0 ] && echo "install, example (CMake and pkg-config), manual pages: all checks passed"
exit $fail
