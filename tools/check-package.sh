#!/usr/bin/env bash
# Builds the Debian package in <build-dir> and checks it as a user gets it: the
# menu entry and the AppStream metadata validate, and the programs, unpacked
# into a fresh root and started from another folder, find their library, icons
# and catalogues there. Usage: check-package.sh <build-dir>
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

desktop-file-validate "$share/applications/vxconfig.desktop"
# The id is the program's name, not a reverse-DNS one (packaging/CMakeLists.txt).
appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info \
    "$share/metainfo/vxconfig.metainfo.xml"
for icon in scalable/apps/vxconfig.svg 16x16/apps/vxconfig.png 48x48/apps/vxconfig.png \
    256x256/apps/vxconfig.png; do
    test -s "$share/icons/hicolor/$icon"
done

# Nothing may come from the build tree: no data folder named, and a working
# folder of its own. A pseudo-terminal as the port keeps the port warning
# away; the window runs until the time-out ends it.
cd "$work"
unset VXCONFIG_DATA_DIR
status=0
VXCONFIG_PORTS=/dev/ptmx QT_QPA_PLATFORM=offscreen \
    QT_LOGGING_RULES="vxconfig.resources.debug=true" \
    timeout 5 "$root/usr/bin/vxconfig" >vxconfig.log 2>&1 || status=$?
fail() {
    cat vxconfig.log >&2
    echo "package check: $1" >&2
    exit 1
}
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
