#!/usr/bin/env bash
# The README's "Setting up many printers" that needs a profile and a site's
# printers of every kind, and the manual page's examples that do, run as
# written, read from the README and the manual at run time. The printers are
# virtual: network ones on the README's own IPv4 and IPv6 addresses, real in
# the network namespace made here; serial, parallel and USB ones on
# pseudo-terminals, which stand at the devices' names in a /dev of this mount
# namespace's own (the machine's /dev is not touched). Then what each printer
# kept is checked.
#   devices-readme.sh SOURCE_DIR BUILD_SRC_DIR
# Exits 77 (skipped) where the tools are missing or namespaces forbidden.
set -euo pipefail
source_dir=$1
source "$(dirname "$0")/namespace-entry.sh"
[[ -n "${VARIMONDE_IN_NAMESPACE:-}" ]] || check_namespace "--net --mount" python3 jq
readme_namespace "$0" "$@"
ip addr add 10.20.0.31/32 dev lo
ip addr add 10.20.0.32/32 dev lo
ip -6 addr add 2001:db8::40/128 dev lo nodad

# A /dev of our own: the few nodes a shell and the programs use, from the
# machine's, and nothing else, so that each printer port is ours.
mkdir /tmp/host-dev
mount --rbind /dev /tmp/host-dev
mount -t tmpfs -o mode=0755 devices /dev
for node in null zero full random urandom tty; do
    touch /dev/$node
    mount --bind /tmp/host-dev/$node /dev/$node
done
mkdir /dev/pts /dev/shm /dev/usb /dev/serial /dev/serial/by-id
# Pseudo-terminals of our own (a bound /dev/ptmx would not find them).
mount -t devpts -o newinstance,ptmxmode=0666,mode=0620 devpts /dev/pts
ln -s pts/ptmx /dev/ptmx
ln -s /proc/self/fd /dev/fd
# The serial ports' lock files, in this namespace only.
[[ -d /run/lock ]] && mount -t tmpfs locks /run/lock

# The examples: the targets file, then each command whole (a command may
# span lines), NUL between them.
python3 - "$source_dir/README.md" "$source_dir/docs/varimonde-setup.1.in" >/tmp/examples <<'PY'
import sys
readme = open(sys.argv[1]).read()
section = readme.split("## Setting up many printers\n", 1)[1].split("\n## ", 1)[0]
blocks = [b.split("```", 1)[0] for b in section.split("```\n")[1::2]]
targets, run, dry, convert, retry = blocks[:5]
manual = open(sys.argv[2]).read().split(".SH EXAMPLES\n", 1)[1].split(".SH ", 1)[0]
manual = [e.split("\n.EE", 1)[0].replace("\\-", "-").replace("\\e", "\\") + "\n"
          for e in manual.split(".EX\n")[1:]]
examples = {
    "targets": targets,
    "site": run,
    "dry-run": "".join(l + "\n" for l in dry.splitlines() if ".vsp" in l),
    "retry": retry,
    "jobs": "".join(e for e in manual if "--jobs" in e),
    "to-com1": "".join(l + "\n" for l in convert.splitlines() if "--to COM1" in l)
               + "".join(e for e in manual if "--to COM1" in e),
}
assert all(examples.values()), examples
for name, text in examples.items():
    print(name + "\0" + text, end="\0")
PY
declare -A example
while IFS= read -r -d '' name && IFS= read -r -d '' text; do
    example[$name]=$text
done </tmp/examples

# settle: waits until the printers on lines have read what was written to
# them and fallen quiet. A pseudo-terminal takes at once what a serial port
# would make the sender wait for; the next send must not join it.
# Still for two looks 0.7 s apart: longer than the 0.5 s that ends a
# printer's transmission, even on a busy machine.
settle() {
    local before=-1 now still=0
    for _ in $(seq 100); do
        now=$(varimonde-virtual-printer --control /tmp/printers.sock \
            --tell '{"printer":"*","get":"state"}' | jq '[.printers[].bytes] | add')
        if [[ $now == "$before" ]]; then
            ((++still < 2)) || return 0
        else
            still=0
        fi
        before=$now
        sleep 0.7
    done
    echo "FAIL: the printers on lines are still reading"
    exit 1
}

# run NAME EXPECTED: runs an example whole in the current folder.
run() {
    set +e
    eval "${example[$1]}" >"$1.out" 2>"$1.err"
    local status=$?
    set -e
    if [[ $status -ne $2 ]]; then
        echo "FAIL: exit $status, not $2:"
        echo "${example[$1]}"
        cat "$1.out" "$1.err"
        exit 1
    fi
    settle
}
tell() {
    varimonde-virtual-printer --control /tmp/printers.sock --tell "$1" >>/tmp/said ||
        { cat /tmp/printers.log; exit 1; }
}

# Two network printers on IPv4, one on IPv6, and five on lines: COM1 at the
# site's 19200 baud, the USB-serial adapter, the USB and the parallel
# printer, and COM1 at its 9600 of the commands without line settings.
varimonde-virtual-printer --listen 10.20.0.31-10.20.0.32:9100 --listen '[2001:db8::40]:9100' \
    --serial 19200,N,8,1 --serial 9600,N,8,1 --serial 9600,N,8,1 --serial 9600,N,8,1 \
    --serial 9600,N,8,1 --restart-seconds 0 --no-dns-sd --control /tmp/printers.sock \
    >/tmp/printers.log 2>&1 &
printers=$!
trap 'kill $printers 2>/dev/null || true' EXIT
tell '{"printer":"*","set":"ready"}'
line() { sed -n "s|^printer serial$1 serial \(/dev/pts/[0-9]*\) at .*|\1|p" /tmp/printers.log; }
# put DEVICE NUMBER: the serial printer of that number is now at DEVICE.
put() {
    touch "$1"
    mount --bind "$(line "$2")" "$1"
}
put /dev/ttyS0 1
put /dev/ttyUSB0 2
ln -s ../../ttyUSB0 /dev/serial/by-id/usb-FTDI_FT232R-if00-port0
put /dev/usb/lp0 3
put /dev/lp0 4

# The files a reader brings: a picture, a firmware image, a 1-bit graphic and
# two profiles saved from the Printer Configuration tab (darkness 30 and 25).
mkdir /tmp/site && cd /tmp/site
reader_files
python3 - <<'PY'
import struct
def profile(name, darkness):
    texts = [t.encode() for t in ("300", "HIGHSPEED", "TT")]
    def text(t):
        return struct.pack("<h", len(t)) + t
    record = (struct.pack("<hhh", 1, darkness, 1) + text(texts[0]) + struct.pack("<h", 1)
              + text(texts[1]) + struct.pack("<hhhhiih", 1, 0, 180, 1, 8192, 5000, 1) + text(texts[2]))
    open(name, "wb").write(record.ljust(128, b"\0"))
profile("hall2.vsp", 30)
profile("shop.vsp", 25)
PY
varimonde-setup --dry-run --output logo.bmp --store-graphic logo.png --id LOGO --convert --width 200
printf '%s' "${example[targets]}" >hall2.txt
cp hall2.txt printers.txt

run site 0
run dry-run 0
tell '{"printer":"10.20.0.32","set":"no-paper"}'
run retry 1
tell '{"printer":"*","set":"ready"}'
run jobs 0
umount /dev/ttyS0
put /dev/ttyS0 5
run to-com1 0
tell '{"printer":"*","get":"state"}'

python3 - <<'PY' || { tail -n 20 ./*.out ./*.err; exit 1; }
import hashlib, json
said = open("/tmp/said").read().splitlines()
states = {p["printer"]: p for p in json.loads(said[-1])["printers"]}
site = ["10.20.0.31", "10.20.0.32", "2001:db8::40", "serial1", "serial2", "serial3", "serial4"]
assert sorted(states) == sorted(site + ["serial5"]), states.keys()

report = json.load(open("hall2.json"))
outcomes = {p["target"]: p["outcome"] for p in report["printers"]}
assert len(outcomes) == 7 and set(outcomes.values()) == {"sent"}, outcomes
firmware = hashlib.sha256(open("fw-2.3.bin", "rb").read()).hexdigest()
for name in site:
    printer = states[name]
    # The profile's darkness, then calibration and test label, on every kind.
    assert printer["calibrations"] == 1 and printer["odometer"]["test"] == 1, printer
    assert printer["settings"].get("DARKNESS") == "30", printer["settings"]
    assert printer["unknown bytes"] == 0, printer
    assert printer["firmware"]["sha256"] == firmware, printer

# The retry: only the printer out of paper, in its own file, twice refused.
first = json.load(open("out.json"))
failed = [p["target"] for p in first["printers"] if p["outcome"] != "sent"]
assert failed == ["tcp://10.20.0.32:9100"], first
assert open("retry.txt").read().split() == failed
again = json.load(open("retry.json"))
assert [p["target"] for p in again["printers"]] == failed, again
assert json.load(open("upload.json"))["exitStatus"] == 0

# The hex dump shows the graphic's identifier.
assert "LOGO" in open("dry-run.out").read()

com1 = states["serial5"]
assert [o["name"] for o in com1["objects"]] == ["LOGO"], com1
assert com1["settings"].get("DARKNESS") == "25" and com1["odometer"]["test"] == 1, com1
assert com1["unknown bytes"] == 0, com1
PY
echo "README examples with every kind of printer ran as written"
