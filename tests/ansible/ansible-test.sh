#!/usr/bin/env bash
# ansible-test on the collection, offline: sanity (every test the tool has),
# units, or integration, with the tool's further options.
#   ansible-test.sh COLLECTION sanity|units|integration [OPTION...]
# The tool puts the Python packages of each test into a virtual environment
# it fills with pip from the network. Here there is no network: where the
# tool says an environment has no pip, that environment is made from
# Debian's own packages (python3-voluptuous, pylint, pycodestyle, yamllint,
# as scripts/install-deps.sh --tests installs them) and marked ready, and
# the tool uses it as its own. Everything lives in a temporary folder, the
# home included; the collection is copied there, as the tool writes beside it.
set -euo pipefail
collection="$(cd "$1" && pwd)"
shift
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" PYTHONDONTWRITEBYTECODE=1
mkdir -p "$HOME" "$work/ansible_collections/varimonde"
cp -r "$collection" "$work/ansible_collections/varimonde/printers"
find "$work/ansible_collections" \( -name __pycache__ -o -name output \) -prune -exec rm -rf {} +
cd "$work/ansible_collections/varimonde/printers"
# Integration targets run the program built here as if installed.
[[ -n "${VARIMONDE_SETUP:-}" ]] && export PATH="$(dirname "$VARIMONDE_SETUP"):$PATH"
python="$(/usr/bin/python3 -c 'import sys; print("%d.%d" % sys.version_info[:2])')"
for _ in $(seq 1 20); do
    if output="$(ansible-test "$@" --python "$python" --color no 2>&1)"; then
        echo "$output"
        exit 0
    fi
    venv="$(sed -n 's/.* at "\(.*\)\/bin\/python" does not have pip available\.$/\1/p' <<<"$output")"
    [[ -n "$venv" ]] || { echo "$output"; exit 1; }
    echo "ansible-test's environment from Debian's packages: $venv"
    rm -rf "$venv"
    /usr/bin/python3 -m venv --system-site-packages --without-pip "$venv"
    echo '[]' >"$venv/meta.install.json"
    echo 'true' >"$venv/meta.yaml.json"
    touch "$venv/marker.txt"
done
echo "ansible-test kept asking for environments"
exit 1
