#!/usr/bin/env bash
# The README's "Finding printers and their status" and "Watching a fleet"
# run as written, read from the README at run time, against virtual printers
# on the README's own addresses: these are real inside the network and mount
# namespace made here (its own loopback, /tmp and port 161). The manual
# page's lines for the same commands are run too. The watch, which runs until
# stopped, is interrupted as Ctrl-C would. Then the dry runs of "Setting up
# many printers" and the manual that need no profile.
#   fleet-readme.sh SOURCE_DIR BUILD_SRC_DIR
# Exits 77 (skipped) where the tools are missing or namespaces forbidden.
set -euo pipefail
source_dir=$1
source "$(dirname "$0")/namespace-entry.sh"
readme_namespace "$0" "$@"
# The subnet the README sweeps: every address of it is this namespace's own,
# so an address without a printer refuses at once.
ip addr add 10.0.4.0/24 dev lo

# The examples, one command a line: the README's, then the manual page's
# that the README does not already have.
python3 - "$source_dir/README.md" "$source_dir/docs/varimonde-setup.1.in" >/tmp/examples <<'PY'
import sys
readme = open(sys.argv[1]).read()
def block(section):
    return readme.split("## " + section + "\n", 1)[1].split("```\n", 2)[1].splitlines()
lines = block("Finding printers and their status") + block("Watching a fleet")
manual = open(sys.argv[2]).read().split(".SH EXAMPLES\n", 1)[1].split(".SH ", 1)[0]
print("\n".join(lines))
# The manual's, in a folder of their own, after a line saying so.
print("cd ../manual")
for example in manual.split(".EX\n")[1:]:
    for line in example.split("\n.EE", 1)[0].replace("\\-", "-").splitlines():
        if "hall2.txt" in line and line not in lines:
            print(line)
PY
mapfile -t lines </tmp/examples
[[ ${#lines[@]} -ge 7 ]] || { echo "FAIL: examples not found"; cat /tmp/examples; exit 1; }

tell() { varimonde-virtual-printer --control /tmp/printers.sock --tell "$1" >>/tmp/said; }
varimonde-virtual-printer --listen 10.0.4.7-10.0.4.9:9100 --control /tmp/printers.sock \
    --state /tmp/printers.json >/tmp/printers.log 2>&1 &
printers=$!
trap 'kill $printers 2>/dev/null || true' EXIT
tell '{"printer":"*","set":"ready"}'

mkdir /tmp/site /tmp/manual && cd /tmp/site
for line in "${lines[@]}"; do
    expected=0
    if [[ $line == *"# exit 1"* ]]; then
        expected=1
        tell '{"printer":"10.0.4.8","set":"no-paper"}'
    else
        tell '{"printer":"*","set":"ready"}'
    fi
    set +e
    if [[ $line == *"--watch"* ]]; then
        # Runs until stopped: let it read every printer, one with its head
        # open, then stop it. Job control gives it the
        # default SIGINT a background job would otherwise ignore.
        tell '{"printer":"10.0.4.9","set":"head-open"}'
        set -m
        eval "$line" >watch.jsonl 2>watch.err &
        watcher=$!
        set +m
        # The reads are spread over the interval: the last comes within it.
        for _ in $(seq 600); do
            [[ $(grep -c '"event":"online"' watch.jsonl) -ge 3 ]] && break
            sleep 0.1
        done
        address=${line##*--metrics }
        python3 - "http://${address%% *}/metrics" >metrics.txt <<'PY'
import sys, urllib.request
print(urllib.request.urlopen(sys.argv[1], timeout=5).read().decode())
PY
        # Ctrl-C signals the terminal's foreground process group.
        kill -INT -- -$watcher
        wait $watcher
        status=$?
        expected=130
    else
        eval "$line" >>/tmp/said 2>&1
        status=$?
    fi
    set -e
    if [[ $status -ne $expected ]]; then
        echo "FAIL: exit $status, not $expected: $line"
        cat /tmp/said watch.err 2>/dev/null
        exit 1
    fi
done

cd /tmp/site
python3 - <<'PY'
import csv, json
printers = ["tcp://10.0.4.%d:9100" % n for n in (7, 8, 9)]
targets = [l.split()[0] for l in open("hall2.txt").read().splitlines() if l and l[0] != "#"]
assert sorted(targets) == printers, targets
found = json.load(open("found.json"))
assert sorted(p["target"] for p in found["printers"]) == printers, found
assert all(p["serial"] and p["snmp"] for p in found["printers"]), found
status = json.load(open("status.json"))
assert status["exitStatus"] == 1 and status["summary"]["ready"] == 2, status
paperless = [p for p in status["printers"] if p["target"].startswith("tcp://10.0.4.8")]
assert paperless[0]["conditions"] == ["no paper"], paperless
rows = list(csv.DictReader(open("fleet.csv")))
assert len(rows) == 3, rows
events = [json.loads(l) for l in open("watch.jsonl")]
online = {e["target"] for e in events if e["event"] == "online"}
assert sorted(online) == printers, events
opened = [e for e in events if e["target"] == "tcp://10.0.4.9:9100"]
assert "door open" in opened[0]["conditions"], opened
metrics = open("metrics.txt").read()
for printer in printers:
    assert 'varimonde_printer_up{target="%s"} 1' % printer in metrics, metrics
assert ('varimonde_printer_condition{target="tcp://10.0.4.9:9100",condition="door_open"} 1'
        in metrics), metrics
PY
# The dry runs of "Setting up many printers" that need only a firmware image
# and a picture, the files a reader brings, and the manual's dry run.
mkdir /tmp/files && cd /tmp/files
reader_files
python3 - "$source_dir/README.md" "$source_dir/docs/varimonde-setup.1.in" >/tmp/dry-runs <<'PY'
import sys
texts = [open(name).read().replace("\\-", "-") for name in sys.argv[1:]]
for line in "\n".join(texts).splitlines():
    if line.startswith("varimonde-setup --dry-run") and ".vsp" not in line:
        print(line)
PY
mapfile -t lines </tmp/dry-runs
[[ ${#lines[@]} -eq 3 ]] || { echo "FAIL: dry runs not found"; cat /tmp/dry-runs; exit 1; }
for line in "${lines[@]}"; do
    eval "$line" >>dry-run.txt 2>&1 || { echo "FAIL: $line"; cat dry-run.txt; exit 1; }
done
python3 - <<'PY'
import struct
firmware, upload = open("fw-2.3.bin", "rb").read(), open("upload.bin", "rb").read()
assert firmware in upload, "the firmware image is not what a dry run sends"
bmp = open("logo-1bit.bmp", "rb").read()
width, height, planes, bits = struct.unpack("<iiHH", bmp[18:30])
assert bmp[:2] == b"BM" and (width, abs(height), bits) == (400, 100, 1), (width, height, bits)
PY

targets=$(grep -c '^tcp://10.0.4.[789]:9100 ' /tmp/manual/hall2.txt)
[[ $targets -eq 3 && -s /tmp/manual/status.json ]] || { echo "FAIL: manual's run"; exit 1; }
echo "README examples ran as written"
