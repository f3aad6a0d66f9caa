#!/usr/bin/env bash
# Proves the installable application from a built tree (default build-tests):
# the installed files, the desktop entry and AppStream validators, and a
# Debian package that lintian passes without errors or warnings, whose
# version is the same everywhere, whose dependencies resolve and whose
# program starts.
#   scripts/check-install.sh [BUILD] [--install]
# With --install (as root) the package is really installed with apt-get,
# started from the path, and removed again.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-tests"
install=false
for argument in "$@"; do
    case "$argument" in
    --install) install=true ;;
    *) build="$argument" ;;
    esac
done
# Also when the tree exists: lintian and the validators may not be installed.
"$root/scripts/install-deps.sh" --tests
if [[ ! -f "$build/CMakeCache.txt" ]]; then
    (cd "$root" && cmake --preset debug -B "$build" >/dev/null)
fi
cmake --build "$build" --target varimonde-setup varimonde-virtual-printer >/dev/null
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

echo "== installed tree"
DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
expected=(
    usr/bin/varimonde-setup
    usr/bin/varimonde-virtual-printer
    usr/share/applications/varimonde-setup.desktop
    usr/share/metainfo/com.varimonde.SetupUtility.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/varimonde-setup.svg
    usr/share/man/man1/varimonde-setup.1.gz
    usr/share/man/man1/varimonde-virtual-printer.1.gz
    usr/share/doc/varimonde-setup/copyright
    usr/share/doc/varimonde-setup/changelog.gz
)
collection=usr/share/ansible/collections/ansible_collections/varimonde/printers
for file in galaxy.yml README.md meta/runtime.yml plugins/modules/printer_setup.py \
    plugins/modules/printer_facts.py plugins/module_utils/setup_program.py \
    plugins/doc_fragments/setup_program.py; do
    expected+=("$collection/$file")
done
for language in de es fr it ja pl pt_BR zh_CN; do
    expected+=("usr/share/varimonde-setup/translations/varimonde-setup_$language.qm")
done
for size in 16 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/varimonde-setup.png")
done
for file in "${expected[@]}"; do
    [[ -s "$work/root/$file" ]] || { echo "missing: $file"; exit 1; }
done
echo "all ${#expected[@]} files installed"

echo "== validators"
desktop-file-validate "$work/root/usr/share/applications/varimonde-setup.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/com.varimonde.SetupUtility.metainfo.xml"

echo "== Debian package"
(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb="$(ls "$work"/package/*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for library in libqt6widgets6 libqt6serialport6 libqt6gui6 libqt6core6; do
    grep -q "$library" <<<"$depends" || { echo "package does not depend on $library"; exit 1; }
done
contents="$(dpkg-deb -c "$deb")"
for file in "${expected[@]}"; do
    grep -q "\./$file\$" <<<"$contents" || { echo "package lacks $file"; exit 1; }
done
# One version everywhere: the package's, the change log's newest entry and
# the newest AppStream release.
version="$(dpkg-deb -f "$deb" Version)"
dpkg-deb -x "$deb" "$work/unpacked"
gunzip -c "$work/unpacked/usr/share/doc/varimonde-setup/changelog.gz" >"$work/changelog"
changelog_version="$(dpkg-parsechangelog -l "$work/changelog" -S Version)"
metainfo_version="$(grep -o -m1 '<release version="[^"]*"' \
    "$work/unpacked/usr/share/metainfo/com.varimonde.SetupUtility.metainfo.xml" | cut -d'"' -f2)"
echo "Version: $version (change log $changelog_version, AppStream $metainfo_version)"
[[ "$changelog_version" == "$version" && "$metainfo_version" == "$version" ]] ||
    { echo "the versions disagree"; exit 1; }
# The package's program is stripped (lintian checks that); the build tree's
# keeps its symbols for debugging.
built="$(find "$build" -name CMakeFiles -prune -o -type f -name varimonde-setup -print -quit)"
[[ -n "$built" ]] || { echo "no built program in $build"; exit 1; }
grep -q '\.symtab' <<<"$(readelf -S "$built")" || { echo "$built has no symbols"; exit 1; }

echo "== lintian"
# Errors and warnings fail; informational tags are shown too.
lintian --fail-on error,warning --display-info "$deb"
echo "lintian: no errors or warnings"

# Every dependency is satisfiable from Debian's own archive.
apt-get install --simulate --no-install-recommends "$deb" >"$work/simulate.log" 2>&1 ||
    { cat "$work/simulate.log"; exit 1; }

# Stays up for two seconds: the window is shown and nothing failed.
starts() {
    QT_QPA_PLATFORM=offscreen "$1" &
    local program=$!
    sleep 2
    kill -0 "$program" 2>/dev/null || return 1
    kill "$program"
    wait "$program" 2>/dev/null || true
}

# Ansible finds the collection where the package puts it; the tool's own
# files go to a temporary home.
documented() {
    local module
    for module in printer_setup printer_facts; do
        HOME="$work/home" ansible-doc "varimonde.printers.$module" >"$work/doc.txt" &&
            grep -q "^> VARIMONDE.PRINTERS.${module^^}" "$work/doc.txt" || return 1
    done
}
echo "== ansible-doc from the package"
ANSIBLE_COLLECTIONS_PATH="$work/unpacked/usr/share/ansible/collections" documented ||
    { echo "ansible-doc does not show the modules from the package"; exit 1; }

echo "== the packaged program starts"
starts "$work/unpacked/usr/bin/varimonde-setup" || { echo "the program did not stay up"; exit 1; }

if $install; then
    echo "== installed with apt-get"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
    starts "$(command -v varimonde-setup)" || { echo "the installed program did not stay up"; exit 1; }
    documented || { echo "ansible-doc does not find the installed collection"; exit 1; }
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq varimonde-setup >/dev/null
fi
echo "package $(basename "$deb") checked"
