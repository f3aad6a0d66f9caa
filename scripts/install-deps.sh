#!/usr/bin/env bash
# Installs the Debian packages the utility needs to build and run, and those
# the tests need, when any is missing. Uses sudo when not run as root.
set -euo pipefail

packages=(build-essential cmake ninja-build ccache pkg-config qt6-base-dev qt6-serialport-dev
    qt6-httpserver-dev qt6-websockets-dev libgl-dev libsnmp-dev libavahi-client-dev libc-ares-dev libssl-dev
    qt6-l10n-tools qt6-translations-l10n)
case "${1:-}" in
--tests)
    packages+=(desktop-file-utils appstream dpkg-dev lintian snmpd snmp avahi-daemon avahi-utils
        dbus-daemon iproute2 util-linux prometheus jq)
    # The screen-reader test: the window read through AT-SPI under Xvfb.
    packages+=(python3-pyatspi at-spi2-core xvfb xauth)
    # The layout tests in Japanese and Simplified Chinese: fonts with their
    # characters, drawn no taller than the fixed rows of the forms.
    packages+=(fonts-ipafont-gothic fonts-arphic-gbsn00lp)
    # The Ansible collection's tests: the engine, what ansible-test's sanity
    # checks and unit tests run, and ansible-lint, from Debian rather than
    # from the network.
    packages+=(ansible-core python3-venv python3-voluptuous pylint pycodestyle yamllint
        python3-pytest python3-pytest-xdist python3-pytest-mock python3-pytest-forked python3-mock
        ansible-lint)
    ;;
--fuzz) packages+=(clang libclang-rt-14-dev) ;;
# openbox: a window manager, to see the window's frame fit the screen under Xvfb.
--screenshot) packages+=(xvfb xauth x11-apps x11-utils imagemagick xdotool openbox) ;;
esac

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
