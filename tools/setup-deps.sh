#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need. Sourced by
# run.sh and test.sh; as root it installs, otherwise it prints the command.
set -euo pipefail

vx_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-serialport-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools
    qt6-l10n-tools qt6-translations-l10n libgl1-mesa-dev
    xvfb xauth poppler-utils
    dpkg-dev file desktop-file-utils appstream libxml2-utils shared-mime-info man-db
)
if [ "${VX_FUZZ_DEPS:-0}" = 1 ]; then
    vx_packages+=(clang libclang-rt-14-dev)
fi

vx_missing=()
for p in "${vx_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || vx_missing+=("$p")
done

if [ ${#vx_missing[@]} -gt 0 ]; then
    if [ "$(id -u)" = 0 ]; then
        echo "Installing: ${vx_missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${vx_missing[@]}" >/dev/null
    else
        echo "Missing Debian packages. Run:" >&2
        echo "  sudo apt-get install -y ${vx_missing[*]}" >&2
        exit 1
    fi
fi
