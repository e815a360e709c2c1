#!/usr/bin/env bash
# Builds the .deb from a build tree and checks what it installs and declares,
# and that lintian finds nothing to say. Runs under any locale (LANG unset,
# LANG=C): cpack itself is given a UTF-8 one, which it needs for the
# sample's "Fußnoten.txt".
# Usage: check_package.sh BUILD_DIR
set -euo pipefail
build="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
(cd "$build" && env LC_ALL=C.UTF-8 cpack -G DEB -B "$out" >/dev/null)
deb="$(ls "$out"/*.deb)"
contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
status=0
for path in ./usr/bin/tarvelo ./usr/libexec/tarvelo/tarvelo-xlsx ./usr/share/applications/tarvelo.desktop \
            ./usr/share/icons/hicolor/scalable/apps/tarvelo.svg ./usr/share/doc/tarvelo/README.md \
            ./usr/share/doc/tarvelo/copyright ./usr/share/doc/tarvelo/changelog.gz \
            ./usr/share/man/man1/tarvelo.1.gz ./usr/share/metainfo/de.tarvelo.Tarvelo.metainfo.xml \
            ./usr/share/tarvelo/sample/ZE-Katalog.csv; do
  grep -qx -- "$path" <<<"$contents" || { echo "missing from the package: $path"; status=1; }
done
programs="$(grep -c '^./usr/bin/.' <<<"$contents" || true)"
[ "$programs" = 1 ] || { echo "expected one program in /usr/bin, found $programs"; status=1; }
depends="$(dpkg-deb -f "$deb" Depends)"
for dependency in libqt6widgets6 libpoppler-cpp0v5 libquazip1-qt6-1 libcsv3 libxlsxwriter4 fonts-liberation \
                  qt6-translations-l10n; do
  grep -q "$dependency" <<<"$depends" || { echo "Depends lacks $dependency: $depends"; status=1; }
done
maintainer="$(dpkg-deb -f "$deb" Maintainer)"
[[ "$maintainer" != *localhost* ]] || { echo "Maintainer is no real address: $maintainer"; status=1; }
dpkg-deb -x "$deb" "$out/root"
for program in usr/bin/tarvelo usr/libexec/tarvelo/tarvelo-xlsx; do
  file "$out/root/$program" | grep -q ", stripped" || { echo "$program is not stripped"; status=1; }
done
desktop-file-validate "$out/root/usr/share/applications/tarvelo.desktop" || status=1
appstreamcli validate --no-net "$out/root/usr/share/metainfo/de.tarvelo.Tarvelo.metainfo.xml" >/dev/null || {
  appstreamcli validate --no-net "$out/root/usr/share/metainfo/de.tarvelo.Tarvelo.metainfo.xml"
  status=1
}
# No error and no warning (no override is needed). Lintian only warns that
# it runs as root, which CI does.
lintian_status=0
findings="$(lintian --fail-on error,warning --tag-display-limit 0 "$deb" 2>&1)" || lintian_status=$?
findings="$(grep -v 'root privileges' <<<"$findings" || true)"
if [ "$lintian_status" != 0 ] || [ -n "$findings" ]; then
  echo "lintian (exit $lintian_status): $findings"
  status=1
fi
exit $status
