#!/usr/bin/env bash
# Builds the Debian package in <build-dir> and checks it as a user gets it: the
# menu entry, the AppStream metadata, the file type and the manual pages
# validate, the documentation is there, and the programs, unpacked into a
# fresh root and started from another folder, find their library, icons and
# catalogues there. Usage: check-package.sh <build-dir>
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)

rm -f "$build"/vxconfig_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(echo "$build"/vxconfig_*.deb)
root=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$root" "$work"' EXIT
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
id=io.github.vxconfig.vxconfig
fail() {
    [ ! -f "$work/vxconfig.log" ] || cat "$work/vxconfig.log" >&2
    echo "package check: $1" >&2
    exit 1
}

desktop-file-validate "$share/applications/$id.desktop"
for line in 'Exec=vxconfig %F' "Icon=$id" 'MimeType=application/x-vxconfig;'; do
    grep -qxF "$line" "$share/applications/$id.desktop" || fail "menu entry without $line"
done
# Infos may stay; warnings and errors may not.
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >"$work/appstream.log" ||
    fail "$(cat "$work/appstream.log")"
! grep -E '^[EW]:' "$work/appstream.log" || fail "AppStream metadata with warnings"
for icon in scalable/apps/$id.svg 16x16/apps/$id.png 48x48/apps/$id.png 256x256/apps/$id.png; do
    test -s "$share/icons/hicolor/$icon" || fail "no icon $icon"
done

# The file type, compiled by shared-mime-info into a database of its own.
mime=$share/mime/packages/$id.xml
xmllint --noout "$mime"
mkdir -p "$work/mime/packages"
cp "$mime" "$work/mime/packages/"
update-mime-database "$work/mime" 2>/dev/null
for entry in 'globs2:50:application/x-vxconfig:*.tml' \
    'subclasses:application/x-vxconfig application/xml' \
    'XMLnamespaces: Vx-Configuration application/x-vxconfig' \
    'magic:[60:application/x-vxconfig]'; do
    grep -qxF "${entry#*:}" "$work/mime/${entry%%:*}" || fail "file type without ${entry#*:}"
done

# The manual pages, gzipped, render without a warning (as lintian reads them).
for page in vxconfig vxconfig-cli vxsim; do
    file=$share/man/man1/$page.1.gz
    gzip -t "$file" || fail "no manual page $page.1.gz"
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$file" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page.1: $warnings"
    man -l "$file" 2>/dev/null | grep -q "^ *$page - " || fail "$page.1 names no $page"
done
doc=$share/doc/vxconfig
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    "$doc/copyright" || fail "no machine-readable copyright"
cmp -s "$here/README.md" "$doc/README.md" || fail "no README in $doc"

# Help and version without any window: no display at all.
version=$(dpkg-deb -f "$deb" Version)
[ "$(QT_QPA_PLATFORM=none "$root/usr/bin/vxconfig" --version)" = "vxconfig $version" ] ||
    fail "vxconfig --version is not vxconfig $version"
QT_QPA_PLATFORM=none "$root/usr/bin/vxconfig" --help | grep -q "Zeigt Hilfe zu den" ||
    fail "vxconfig --help without the toolkit's German texts"

# Nothing may come from the build tree: no data folder named, and a working
# folder of its own. A pseudo-terminal as the port keeps the port warning
# away; the window runs until the time-out ends it.
cd "$work"
unset VXCONFIG_DATA_DIR
status=0
VXCONFIG_PORTS=/dev/ptmx QT_QPA_PLATFORM=offscreen \
    QT_LOGGING_RULES="vxconfig.resources.debug=true" \
    timeout 5 "$root/usr/bin/vxconfig" >vxconfig.log 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "vxconfig ended by itself with status $status"
images=$(ls "$here"/images/*.svg | wc -l)
for line in "images in $share/vxconfig/images : $images" \
    "catalogue vxasoft_de_DE loaded from $share/vxconfig/translation" \
    "catalogue qt_de loaded from $share/vxconfig/translation"; do
    grep -qF "$line" vxconfig.log || fail "no line \"$line\""
done
# The English catalogue, found the same way by vxconfig-cli.
QT_QPA_PLATFORM=offscreen "$root/usr/bin/vxconfig-cli" --language en --help >cli.log 2>&1 || true
grep -q "Configures a VX-Adapter without a window" cli.log || fail "vxconfig-cli: $(cat cli.log)"
echo "$(basename "$deb"): checked"
