#!/usr/bin/env bash
# The README's "Trying it without a printer" run as written, line by line,
# with the programs from the build, inside a network and mount namespace
# made here (its own loopback and /tmp); the manual page's examples must be
# lines of it. Then what the printers kept is checked.
#   virtual-readme.sh SOURCE_DIR BUILD_SRC_DIR
# Exits 77 (skipped) where the tools are missing or namespaces forbidden.
set -euo pipefail
source_dir=$1
source "$(dirname "$0")/namespace-entry.sh"
[[ -n "${VARIMONDE_IN_NAMESPACE:-}" ]] || check_namespace "--net --mount" python3 snmpwalk
readme_namespace "$0" "$@"

mapfile -t lines < <(python3 - "$source_dir/README.md" "$source_dir/docs/varimonde-virtual-printer.1.in" <<'PY'
import re, sys
readme = open(sys.argv[1]).read()
section = readme.split("## Trying it without a printer\n", 1)[1]
block = section.split("```\n", 2)[1]
lines = block.splitlines()
# The SNMP walk the notes below show, while the printers still run.
walk = re.search(r"`(snmpwalk [^`]*)`", section).group(1)
lines.insert(lines.index("kill %1"), walk)
manual = open(sys.argv[2]).read()
examples = manual.split(".SH EXAMPLES\n.nf\n", 1)[1].split("\n.fi", 1)[0]
for example in examples.splitlines():
    example = example.replace("\\-", "-")
    assert example in lines, "manual example not in the README: " + example
print("\n".join(lines))
PY
)

cd /tmp
for line in "${lines[@]}"; do
    expected=0
    [[ $line == *"# exit 1"* ]] && expected=1
    set +e
    eval "$line" >>/tmp/said 2>&1
    status=$?
    set -e
    if [[ $status -ne $expected ]]; then
        echo "FAIL: exit $status, not $expected: $line"
        cat /tmp/said
        exit 1
    fi
done
wait

python3 - /tmp/said /tmp/virtual.txt <<'PY'
import json, re, sys
said = open(sys.argv[1]).read()
targets = [l for l in open(sys.argv[2]).read().splitlines() if l and not l.startswith("#")]
assert len(targets) == 4, targets
states = [json.loads(l) for l in said.splitlines() if l.startswith('{"ok":true,"printers":[')]
assert len(states) == 1, said
printer = states[0]["printers"][0]
assert printer["printer"] == "127.0.1.2" and printer["state"] == "no-paper", printer
assert printer["odometer"]["labels"] == 1 and printer["odometer"]["test"] == 1, printer
assert printer["calibrations"] == 1 and printer["settings"]["FEED_TYPE"] == "GAP", printer
assert said.count("the printers are not announced") == 1, said
# The walk read the printer's own table: its serial number.
assert re.search(r'43\.5\.1\.1\.17\.1 = STRING: "%s"' % printer["serial"], said), said
PY
echo "README example ran as written"
