#!/usr/bin/env bash
# What the change log, the menu entry, the README and the manual page say the
# program reaches: every kind of link, and that it reads a network printer's
# status back. Each claim that went stale once is checked here.
#   tests/descriptions.sh SOURCE_DIR
set -euo pipefail
root="$1"
fail() {
    echo "$*"
    exit 1
}
keywords="$(sed -n 's/^Keywords=//p' "$root/data/varimonde-setup.desktop")"
for word in serial parallel USB network; do
    [[ ";$keywords" == *";$word;"* ]] || fail "the desktop entry's keywords lack $word: $keywords"
done
for file in README.md docs/varimonde-setup.1.in CHANGELOG; do
    if grep -qi "never reads from" "$root/$file"; then
        fail "$file says the program never reads from the printer; it reads SNMP status"
    fi
done
# The first release's opening entry names every link, not serial and
# parallel alone.
first="$(awk '/First release/ {on = 1} on && /^  \*/ && !/First release/ {exit} on' \
    "$root/CHANGELOG")"
for link in serial parallel USB network; do
    grep -qi "$link" <<<"$first" || fail "CHANGELOG's first entry does not name $link: $first"
done
echo "descriptions name every link"
