#!/usr/bin/env bash
# The README's firmware roll-out with Ansible: its playbook and its two
# commands, read from the README at run time and run as written, check mode
# then for real, against virtual printers on addresses that are real only in
# the network and mount namespace made here (its own loopback, /tmp and SNMP
# port 161). Three sites of one printer each; the second has a printer more
# that refuses, so the third is never reached. Then a printer out of paper
# stops the roll-out before anything is sent. What each printer kept is
# checked.
#   rollout-readme.sh SOURCE_DIR BUILD_SRC_DIR
# Exits 77 (skipped) where the tools are missing or namespaces forbidden.
set -euo pipefail
source_dir=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../namespace-entry.sh"
[[ -n "${VARIMONDE_IN_NAMESPACE:-}" ]] || check_namespace "--net --mount" python3 ansible-playbook
readme_namespace "$0" "$@"
# Every address of the subnet is this namespace's own: one without a printer
# refuses at once.
ip addr add 10.20.0.0/24 dev lo

mkdir /tmp/rollout && cd /tmp/rollout
python3 - "$source_dir/README.md" <<'PY'
import re, sys
section = open(sys.argv[1]).read().split("## Many sites with Ansible\n", 1)[1].split("\n## ", 1)[0]
playbook = section.split("A firmware roll-out", 1)[1].split("```yaml\n", 1)[1].split("```", 1)[0]
open("rollout.yml", "w").write(playbook)
commands = [" ".join(c.split()) for c in re.findall(r"`(ansible-playbook [^`]*)`", section)]
assert len(commands) == 2 and commands[0].endswith(" --check --diff"), commands
open("commands", "w").write("\n".join(commands) + "\n")
PY
mapfile -t commands <commands

# Only what the README says a reader sets, for each site, with the local
# connection of a machine that is its own site PC.
cat >shops.ini <<'INI'
[shops]
site1 printers_file=/tmp/site1/printers.txt firmware_copy=/tmp/site1/cache/fw-2.3.bin
site2 printers_file=/tmp/site2/printers.txt firmware_copy=/tmp/site2/cache/fw-2.3.bin
site3 printers_file=/tmp/site3/printers.txt firmware_copy=/tmp/site3/cache/fw-2.3.bin

[shops:vars]
ansible_connection=local
ansible_python_interpreter=/usr/bin/python3
printer_community=shops-ro
INI
for site in 1 2 3; do
    mkdir /tmp/site$site
    echo "tcp://10.20.0.3$site:9100" >/tmp/site$site/printers.txt
done
echo "tcp://10.20.0.39:9100" >>/tmp/site2/printers.txt # no printer there: refused
# The image next to the playbook; it starts with no command, as firmware does.
python3 -c 'import sys; sys.stdout.buffer.write(bytes(range(256)) * 16)' >fw-2.3.bin
echo shops-ro >/tmp/community

varimonde-virtual-printer --listen 10.20.0.31-10.20.0.33:9100 --community-file /tmp/community \
    --restart-seconds 0 --no-dns-sd --control /tmp/printers.sock >/tmp/printers.log 2>&1 &
printers=$!
trap 'kill $printers 2>/dev/null || true' EXIT
tell() {
    varimonde-virtual-printer --control /tmp/printers.sock --tell "$1" >>/tmp/said ||
        { cat /tmp/printers.log; exit 1; }
}
tell '{"printer":"*","set":"ready"}'

# Ansible's own files go to this namespace's /tmp, not the real home; each
# task's result is kept.
export HOME=/tmp/home ANSIBLE_COLLECTIONS_PATH=$source_dir/ansible ANSIBLE_NOCOLOR=1 \
    ANSIBLE_LOCAL_TEMP=/tmp/home/tmp ANSIBLE_REMOTE_TEMP=/tmp/home/tmp \
    ANSIBLE_RETRY_FILES_ENABLED=0 ANSIBLE_CALLBACKS_ENABLED=task_results \
    ANSIBLE_CALLBACK_PLUGINS=$here/callback_plugins PYTHONDONTWRITEBYTECODE=1
mkdir -p /tmp/home/tmp
# play RUN N EXPECTED: runs the README's command N, keeps its output and
# each task's result under play-RUN, and the printers' state after it.
play() {
    export TASK_RESULTS=/tmp/rollout/play-$1.tasks
    touch "$TASK_RESULTS"
    set +e
    eval "${commands[$2]}" >"play-$1.out" 2>&1
    local status=$?
    set -e
    if [[ $status -ne $3 ]]; then
        echo "FAIL: exit $status, not $3: ${commands[$2]}"
        cat "play-$1.out"
        exit 1
    fi
    varimonde-virtual-printer --control /tmp/printers.sock \
        --tell '{"printer":"*","get":"state"}' >"play-$1.state"
}
play 0 0 0
for made in reports /tmp/site{1,2,3}/cache; do
    [[ ! -e $made ]] || { echo "FAIL: check mode made $made"; exit 1; }
done
play 1 1 2
# A printer out of paper: the next roll-out stops at the first site, before
# anything is sent.
mv reports reports-1
tell '{"printer":"10.20.0.31","set":"no-paper"}'
play 2 1 2

python3 - <<'PY' || { cat play-*.out /tmp/printers.log; exit 1; }
import hashlib, json, os
def tasks(run):
    results = {}
    for line in open("play-%d.tasks" % run):
        kept = json.loads(line)
        results.setdefault(kept["host"], {})[kept["task"]] = kept["result"]
    return results
def states(run):
    return {p["printer"]: p for p in json.load(open("play-%d.state" % run))["printers"]}
sites = {"site1": ["10.20.0.31"], "site2": ["10.20.0.32", "10.20.0.39"], "site3": ["10.20.0.33"]}
target = "tcp://%s:9100".__mod__

# Check mode: the status read over SNMP, what a real run would send, and not
# a byte to any printer nor a folder on the site's PC.
checked = tasks(0)
for site, addresses in sites.items():
    copy = "/tmp/%s/cache/fw-2.3.bin" % site
    upload = checked[site]["Upload"]
    assert upload["changed"] and upload["missing"] == [copy], upload
    assert ("a real run sends firmware: %s to the printers of /tmp/%s/printers.txt" % (copy, site)
            in upload["msg"]), upload
    read = checked[site]["Read the site's printers"]
    assert [p["status"] for p in read["ansible_facts"]["varimonde_printers"]] == \
        ["ready", "unknown"][:len(addresses)], read
    # The community went to the program's standard input, not its command line.
    assert "--snmp-secrets" in read["cmd"], read["cmd"]
    for task in ("Read the site's printers", "Upload"):
        assert "shops-ro" not in json.dumps(checked[site][task]["cmd"]), checked[site][task]
assert all(p["bytes"] == 0 for p in states(0).values()), states(0)

# For real: the image whole at the first two sites, then the refused printer
# ends the roll-out before the third; each site's report kept.
image = open("fw-2.3.bin", "rb").read()
sent = states(1)
for address in ("10.20.0.31", "10.20.0.32"):
    printer = sent[address]
    assert printer["firmware"]["sha256"] == hashlib.sha256(image).hexdigest(), printer
    assert printer["firmware"]["size"] == len(image) == printer["bytes"], printer
    assert printer["unknown bytes"] == 0 and printer["state"] == "ready", printer
assert sent["10.20.0.33"]["bytes"] == 0 and "firmware" not in sent["10.20.0.33"], sent
assert open("/tmp/site1/cache/fw-2.3.bin", "rb").read() == image
assert not os.path.exists("/tmp/site3/cache")
assert sorted(os.listdir("reports-1")) == ["site1.json", "site2.json"]
outcomes = []
for site in ("site1", "site2"):
    outcomes += [(p["target"], p["result"]) for p in json.load(open("reports-1/%s.json" % site))["printers"]]
assert outcomes == [(target("10.20.0.31"), "sent"), (target("10.20.0.32"), "sent"),
                    (target("10.20.0.39"), "failed")], outcomes

# Out of paper: named by the play, and no printer took a byte more.
stopped = open("play-2.out").read()
assert "Needs someone: %s" % target("10.20.0.31") in stopped, stopped
assert [p["bytes"] for p in states(2).values()] == [p["bytes"] for p in sent.values()], states(2)
assert "Upload" not in tasks(2)["site1"] and os.listdir("reports") == [], tasks(2)
PY
echo "README roll-out ran as written, in check mode and for real"
