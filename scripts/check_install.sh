#!/usr/bin/env bash
# Checks what the package installs, on an already built tree (default build/):
# an install into a DESTDIR against packaging/installed-files.txt, the desktop
# entry, the metainfo, the man pages, and the .deb (lintian, contents). A check
# whose tool is missing is skipped with a line saying so; any other failure
# fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
failed=0
pass() { echo "install check: $1: ok"; }
fail() { echo "install check: $1: FAILED" >&2; failed=1; }
skip() { echo "install check: $1: SKIPPED ($2 not installed)"; }
have() { command -v "$1" >/dev/null 2>&1; }

if [ ! -x "$build/travik" ]; then
  echo "install check: SKIPPED (no GUI program in $build: built without Qt)"
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dest=$work/root

# The tree a package or `make install` puts on a machine, nothing more or less.
DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null
(cd "$dest" && find . \( -type f -o -type l \) | sed 's|^\./|/|' | LC_ALL=C sort) > "$work/tree.txt"
LC_ALL=C sort packaging/installed-files.txt > "$work/expected.txt"
if diff -u "$work/expected.txt" "$work/tree.txt"; then pass "DESTDIR tree"; else fail "DESTDIR tree"; fi

desktop=$dest/usr/share/applications/cz.kolvar.Travik.desktop
if have desktop-file-validate; then
  if out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ]; then pass desktop-file-validate
  else echo "$out"; fail desktop-file-validate; fi
else skip desktop-file-validate desktop-file-utils; fi

# Software centres show the published copies of these; they must exist here.
metainfo=$dest/usr/share/metainfo/cz.kolvar.Travik.metainfo.xml
shots_ok=1
for image in $(sed -n 's|.*<image>.*/\([^/<]*\)</image>.*|\1|p' "$metainfo"); do
  [ -f "docs/screenshots/$image" ] || { echo "metainfo names docs/screenshots/$image, which is missing"; shots_ok=0; }
done
if [ $shots_ok = 1 ]; then pass "metainfo screenshots"; else fail "metainfo screenshots"; fi

if have appstreamcli; then
  if appstreamcli validate --no-net "$metainfo"; then
    pass "appstreamcli validate"
  else fail "appstreamcli validate"; fi
else skip "appstreamcli validate" appstream; fi

# The way lintian renders man pages: any groff warning counts.
if have man; then
  for page in "$dest"/usr/share/man/man1/*.1.gz "$dest"/usr/share/man/cs/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
               man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null || echo "man failed")
    if [ -z "$warnings" ]; then pass "man -l ${page#"$dest"}"
    else echo "$warnings"; fail "man -l ${page#"$dest"}"; fi
  done
else skip "man -l" man-db; fi

if have dpkg-deb && have dpkg-shlibdeps; then
  rm -f "$build"/package/travik_*.deb
  cpack --config "$build/CPackConfig.cmake" -G DEB >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail cpack; }
  deb=$(ls "$build"/package/travik_*_*.deb 2>/dev/null | head -n 1)
  if [ -z "$deb" ]; then
    fail "package travik_<version>_<arch>.deb"
  else
    version=$("$build/travik-cli" --version | cut -d' ' -f2)
    arch=$(dpkg --print-architecture)
    if [ "$(basename "$deb")" = "travik_${version}_${arch}.deb" ]; then pass "package name $(basename "$deb")"
    else fail "package name $(basename "$deb")"; fi
    dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 && pass "computed Depends" || fail "computed Depends"

    dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' > "$work/contents.txt"
    missing=0
    for wanted in /usr/lib/udev/rules.d/70-travik-kolvar.rules \
                  /usr/share/applications/cz.kolvar.Travik.desktop \
                  /usr/share/metainfo/cz.kolvar.Travik.metainfo.xml \
                  /usr/share/icons/hicolor/scalable/apps/cz.kolvar.Travik.svg \
                  /usr/share/icons/hicolor/48x48/apps/cz.kolvar.Travik.png \
                  /usr/share/man/man1/travik.1.gz /usr/share/man/man1/travik-cli.1.gz \
                  /usr/share/man/cs/man1/travik.1.gz /usr/share/man/cs/man1/travik-cli.1.gz \
                  /usr/share/bash-completion/completions/travik-cli; do
      grep -qxF "$wanted" "$work/contents.txt" || { echo "not in the package: $wanted"; missing=1; }
    done
    # The package holds exactly what the install does.
    grep -v '/$' "$work/contents.txt" | LC_ALL=C sort > "$work/package-files.txt"
    if [ $missing = 0 ] && diff -u "$work/expected.txt" "$work/package-files.txt"; then pass "dpkg-deb -c"
    else fail "dpkg-deb -c"; fi

    if have lintian; then
      root_flag=()
      [ "$(id -u)" = 0 ] && root_flag=(--allow-root)
      if lintian "${root_flag[@]}" --fail-on error "$deb"; then pass lintian; else fail lintian; fi
    else skip lintian lintian; fi
  fi
else skip "Debian package" dpkg-dev; fi

exit $failed
