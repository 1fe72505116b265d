#!/usr/bin/env bash
# installed_tree.sh BUILD SOURCE VERSION BINDIR LIBDIR DATADIR INCLUDEDIR MANDIR EDITOR_ID PRESENTATION_ID
#                   [CXXFLAGS]
#
# Installs the build into a scratch prefix and moves that prefix elsewhere, so that nothing can
# depend on where it was installed. Checks that every file lies where the GNU directories say,
# that the installed binaries carry no path of the build tree, and runs the installed programs -
# by bare name through PATH, from an unrelated folder, with an empty environment - while the build
# and source trees are hidden from them (a private mount namespace where one can be had, else a
# trace of every file they open).
set -euo pipefail
build=$(cd "$1" && pwd) source=$(cd "$2" && pwd) version=$3
bindir=$4 libdir=$5 datadir=$6 includedir=$7 mandir=$8 editor_id=$9 presentation_id=${10}
# A sanitizer build's library needs its users built with the same sanitizers.
read -r -a cxxflags <<<"${11:-}"
here=$(cd "$(dirname "$0")" && pwd)

scratch=$(mktemp -d /tmp/salon-installed-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$scratch/staged" >"$scratch/install.log"
mv "$scratch/staged" "$scratch/moved"
prefix=$scratch/moved
programs=(frizet01 prevu1 dslmake dslcat dslsheet pixol)

# --- Every file where the GNU directories put it -------------------------------------------------
expected=("$libdir/libpixol.so" "$libdir/libpixol.so.0" "$libdir/libtrimlet.so" "$libdir/libpikvalt.so"
          "$libdir/pkgconfig/pixol.pc" "$includedir/salon/library/Pixolf.h" "$includedir/salon/platform/Surface.h"
          "$datadir/salon/NpvHair.tmf" "$datadir/salon/drive/dslob00.aob" "$datadir/salon/drive/orvella/obsdsl01.irw"
          "$datadir/salon/drive/orvella/Demo.nxt" "$datadir/salon/drive/photos/face.jpg"
          "$datadir/doc/salon/README.md")
for p in "${programs[@]}"; do expected+=("$bindir/$p" "$mandir/man1/$p.1.gz"); done
for n in 1 2 3 4 5; do expected+=("$datadir/pixol/Pixol00$n.STX"); done
for id in "$editor_id" "$presentation_id"; do
  expected+=("$datadir/applications/$id.desktop" "$datadir/metainfo/$id.metainfo.xml"
             "$datadir/icons/hicolor/scalable/apps/$id.svg")
  for s in 16 22 24 32 48 64 128 256; do expected+=("$datadir/icons/hicolor/${s}x$s/apps/$id.png"); done
done
for f in "${expected[@]}"; do [ -e "$prefix/$f" ] || fail "not installed: $f"; done
for p in "${programs[@]}"; do [ -x "$prefix/$bindir/$p" ] || fail "$bindir/$p is not executable"; done
echo "ok: ${#expected[@]} files where expected"

# --- No build tree in the installed binaries -----------------------------------------------------
# Run paths and every string outside the debugging information. A source file's name that a debug
# or sanitizer build keeps for its messages ("BUILD/../file.cpp", the generated moc_X.cpp that
# AddressSanitizer names its globals by) is no path the program opens; any other string is.
source_name='\.(c|cc|cpp|cxx|h|hh|hpp)(:[0-9]+)*$'
for elf in "$prefix/$bindir"/* "$prefix/$libdir"/*.so*; do
  [ -L "$elf" ] && continue
  if readelf -d "$elf" | grep -E 'R(UN)?PATH' | grep -qF "$build"; then fail "$elf keeps a run path into $build"; fi
  objcopy --strip-debug "$elf" "$scratch/stripped"
  found=$(strings -a "$scratch/stripped" | grep -F "$build" | grep -vE "$source_name" | head -3 || true)
  [ -z "$found" ] || fail "$elf has the build tree compiled in: $found"
done
echo "ok: no run path or constant names the build tree"

# --- A program of someone else's, built against the installed development files ----------------
export PKG_CONFIG_PATH="$prefix/$libdir/pkgconfig"
# shellcheck disable=SC2046
c++ -std=c++20 "${cxxflags[@]}" "$here/LibraryUser.cpp" $(pkg-config --cflags --libs pixol) -Wl,-rpath,"$prefix/$libdir" \
    -o "$scratch/library-user" || fail "cannot build a program against the installed pixol.pc"
unset PKG_CONFIG_PATH

# --- The installed programs, with the build and source trees out of reach ------------------------
mkdir -p "$scratch/home" "$scratch/work"
if [ -n "${LSAN_OPTIONS:-}" ]; then
  # The sanitizer build's leak suppressions live in the source tree, which is about to vanish.
  supp=$(sed -n 's/.*suppressions=\([^:]*\).*/\1/p' <<<"$LSAN_OPTIONS")
  if [ -n "$supp" ] && [ -f "$supp" ]; then cp "$supp" "$scratch/lsan.supp"; LSAN_OPTIONS=${LSAN_OPTIONS//$supp/$scratch/lsan.supp}; fi
fi
environment=(HOME="$scratch/home" XDG_CACHE_HOME="$scratch/home/.cache" PATH="$prefix/$bindir:/usr/bin:/bin"
             QT_QPA_PLATFORM=offscreen LANG=C.UTF-8)
for v in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do [ -n "${!v:-}" ] && environment+=("$v=${!v}"); done

hidden=("$source")
case "$build/" in "$source"/*) ;; *) hidden+=("$build") ;; esac
if unshare -m true 2>/dev/null; then
  how="mount namespace"
  # Each hidden tree is covered by an empty file system; the program sees nothing of it.
  run() {
    (cd "$scratch/work" && unshare -m bash -c '
      for d in $HIDE; do mount -t tmpfs salon-hidden "$d" || exit 99; done
      exec env -i "$@"' bash "${environment[@]}" "$@")
  }
  export HIDE="${hidden[*]}"
elif command -v strace >/dev/null; then
  how="trace of opened files"
  run() {
    local status=0
    (cd "$scratch/work" && strace -f -qq -e trace=%file -o "$scratch/trace" env -i "${environment[@]}" "$@") || status=$?
    for d in "${hidden[@]}"; do
      if grep -F "\"$d" "$scratch/trace" | grep -vF "\"$prefix"; then fail "$* looked into $d"; fi
    done
    return $status
  }
else
  fail "neither unshare -m nor strace can keep the build tree from the installed programs"
fi

for p in "${programs[@]}"; do
  out=$(run "$p" --version) || fail "$p --version failed"
  [ "$out" = "$p (salon) $version" ] || fail "$p --version says \"$out\", not \"$p (salon) $version\""
done
echo "ok: every command reports version $version"

run frizet01 --demo --out demo.bmp >"$scratch/demo.log" 2>&1 || { cat "$scratch/demo.log"; fail "installed frizet01 --demo failed"; }
[ "$(head -c 2 "$scratch/work/demo.bmp")" = BM ] && [ "$(stat -c %s "$scratch/work/demo.bmp")" -gt 100000 ] \
  || fail "frizet01 --demo wrote no result picture"
echo "ok: frizet01 --demo rendered the first model of the installed demo drive"

info=$(run pixol info --language 4) || fail "installed pixol info failed"
grep -qF "Library texts:     $prefix/$datadir/pixol/Pixol004.STX" <<<"$info" \
  || fail "pixol info did not take the installed texts: $(head -2 <<<"$info")"
echo "ok: pixol info read the installed English texts"

expected_text=$(printf '4\t%s' "$(run pixol stx show "$prefix/$datadir/pixol/Pixol004.STX" | head -1 | cut -f2-)")
got=$(run "$scratch/library-user") || fail "the program built against the installed library failed"
[ "$got" = "$expected_text" ] || fail "the installed libpixol.so gave \"$got\", not \"$expected_text\""
echo "ok: a program built with pkg-config pixol loads the installed library and its texts"

run timeout 120 prevu1 --show balloon --screenshot shot.png >"$scratch/prevu.log" 2>&1 \
  || { cat "$scratch/prevu.log"; fail "installed prevu1 did not find its data"; }
[ -s "$scratch/work/shot.png" ] || fail "prevu1 saved no screenshot"
echo "ok: prevu1 found the presentation on the installed demo drive"
echo "all checks passed ($how kept $source from the installed programs)"
