#!/usr/bin/env bash
# DNS-SD end to end: a real avahi-daemon with a D-Bus of its own, inside a
# network and mount namespace made here (a veth pair with multicast, its
# addresses inside the namespace only), printers announced with
# avahi-publish, found by the program's --discover --dns-sd.
#   dnssd-namespace.sh PROGRAM WINDOW_TESTS (tst_discovery)
# Exits 77 (skipped) where the tools are missing or namespaces forbidden.
set -euo pipefail
program=$1
window_tests=$2

if [[ -z "${VARIMONDE_IN_NAMESPACE:-}" ]]; then
    source "$(dirname "$0")/namespace-entry.sh"
    check_namespace "--net --mount" avahi-daemon avahi-publish dbus-daemon dbus-send python3
    # Without a daemon, --dns-sd says so once and the run goes on: in
    # German to the person, in English in the report scripts read.
    no_bus=$(mktemp -d)
    DBUS_SYSTEM_BUS_ADDRESS="unix:path=$no_bus/none" "$program" --lang de --discover --dns-sd \
        --report "$no_bus/report.json" >/dev/null 2>"$no_bus/said"
    python3 - "$no_bus/report.json" "$no_bus/said" <<'PY'
import json, sys
report = json.load(open(sys.argv[1]))
said = open(sys.argv[2], encoding="utf-8").read()
notes = [n for n in report["notes"] if n.startswith("DNS-SD is not available")]
assert len(notes) == 1 and said.count("DNS-SD ist nicht verfügbar") == 1, (report, said)
assert report["printers"] == [] and report["exitStatus"] == 0, report
PY
    rm -rf "$no_bus"
    re_enter "--net --mount --propagation private" "$0" "$@"
fi

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

ip link set lo up
ip link add vdisc0 type veth peer name vdisc1
ip addr add 10.231.7.1/24 dev vdisc0
ip link set vdisc0 up multicast on
ip link set vdisc1 up multicast on
# The daemon's runtime folder, in this mount namespace only.
mount -t tmpfs tmpfs /run
mkdir -p /run/avahi-daemon

cat >"$work/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$work/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
CONF
dbus-daemon --config-file="$work/bus.conf" --nofork --nopidfile >"$work/bus.log" 2>&1 &
pids+=($!)
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/bus"

cat >"$work/avahi.conf" <<CONF
[server]
host-name=varimonde-test
use-ipv4=yes
use-ipv6=no
allow-interfaces=vdisc0
enable-dbus=yes
[wide-area]
enable-wide-area=no
[publish]
publish-workstation=no
CONF
for _ in $(seq 50); do [[ -S "$work/bus" ]] && break; sleep 0.1; done
avahi-daemon -f "$work/avahi.conf" --no-drop-root --no-chroot --no-rlimits --no-proc-title \
    >"$work/avahi.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    if dbus-send --system --print-reply --dest=org.freedesktop.Avahi / \
        org.freedesktop.Avahi.Server.GetState 2>/dev/null | grep -q "int32 2"; then
        break
    fi
    sleep 0.1
done

# A label printer's raw port, and the same printer over IPP, which only
# names it.
avahi-publish -s "Label Printer 1" _pdl-datastream._tcp 9101 "ty=Varimonde LX-4" \
    >>"$work/publish.log" 2>&1 &
pids+=($!)
avahi-publish -s "Label Printer 1" _ipp._tcp 631 "usb_MFG=Varimonde" "usb_MDL=LX-4" \
    >>"$work/publish.log" 2>&1 &
pids+=($!)
# Two more raw ports of the same host (a print server's, each a printer of
# its own), and raw services claimed on a shell's and IPP's ports, which
# are not raw ports whatever the announcement says.
for service in "Server Port 2:9102" "Server Port 3:9103" "Shell Box:22" "IPP Box:631"; do
    avahi-publish -s "${service%:*}" _pdl-datastream._tcp "${service##*:}" \
        >>"$work/publish.log" 2>&1 &
    pids+=($!)
done
# Two more at addresses of their own, their make and model told only by the
# TXT record: "ty" before "product", whose parentheses are no part of it.
publish_host() { # NAME ADDRESS INSTANCE PORT TXT...
    avahi-publish -a -R "$1.local" "$2" >>"$work/publish.log" 2>&1 &
    pids+=($!)
    avahi-publish -s -H "$1.local" "$3" _pdl-datastream._tcp "$4" "${@:5}" \
        >>"$work/publish.log" 2>&1 &
    pids+=($!)
}
publish_host printer4 10.231.7.4 "Label Printer 4" 9104 "product=(LX-6 Raw)" "ty=Varimonde LX-6"
publish_host printer5 10.231.7.5 "Label Printer 5" 9105 "product=(Varimonde LX-8)"
sleep 1

"$program" --discover --dns-sd --report "$work/report.json" --write-targets "$work/targets" \
    >"$work/table" 2>"$work/said" || {
    cat "$work/said" "$work/avahi.log"
    exit 1
}
python3 - "$work/report.json" "$work/targets" <<'PY'
import json, sys
report = json.load(open(sys.argv[1]))
everyone = sorted(report["printers"], key=lambda p: p["port"])
printers = [p for p in everyone if p["address"] == "10.231.7.1"]
assert [(p["port"], p["name"]) for p in printers] == [
    (9101, "Label Printer 1"), (9102, "Server Port 2"), (9103, "Server Port 3")], printers
told = [(p["address"], p["name"], p["makeModel"]) for p in everyone if p not in printers]
assert told == [("10.231.7.4", "Label Printer 4", "Varimonde LX-6"),
                ("10.231.7.5", "Label Printer 5", "Varimonde LX-8")], told
targets = open(sys.argv[2]).read().splitlines()[1:]
assert sorted(t.split()[0] for t in targets) == [
    "tcp://10.231.7.1:%d" % port for port in (9101, 9102, 9103)] + [
    "tcp://10.231.7.4:9104", "tcp://10.231.7.5:9105"], targets
printer = printers[0]
assert printer["address"] == "10.231.7.1", printer
# The raw port is the SRV port of _pdl-datastream; the IPP port is never a target.
assert printer["port"] == 9101 and printer["target"] == "tcp://10.231.7.1:9101", printer
assert printer["name"] == "Label Printer 1", printer
assert printer["makeModel"] == "Varimonde LX-4", printer
assert printer["foundBy"] == ["dns-sd"], printer
assert printer["snmp"] is False and printer["status"] == "unknown", printer
assert report["notes"] == [], report
PY
echo "DNS-SD: found $(tail -n1 "$work/table")"

# Find Printers in the window, where a printer only named over IPP, at an
# address of its own, cannot be taken for the link.
avahi-publish -a -R printer7.local 10.231.7.7 >>"$work/publish.log" 2>&1 &
pids+=($!)
avahi-publish -s -H printer7.local Office _ipp._tcp 631 >>"$work/publish.log" 2>&1 &
pids+=($!)
sleep 1
VARIMONDE_ANNOUNCED_IN_NAMESPACE=1 QT_QPA_PLATFORM=offscreen \
    "$window_tests" useThisPrinterNeedsARawPort >"$work/window.log" 2>&1 || {
    cat "$work/window.log"
    exit 1
}
grep -q "^PASS   : .*useThisPrinterNeedsARawPort" "$work/window.log" || {
    cat "$work/window.log"
    exit 1
}

# A virtual printer announces itself under a host name of its own that
# points at its address, and is found the same way.
ip addr add 10.231.7.6/32 dev lo
"$(dirname "$program")/varimonde-virtual-printer" --listen 10.231.7.6:9106 --no-snmp \
    --control "$work/printers.sock" >"$work/virtual.log" 2>&1 &
pids+=($!)
"$(dirname "$program")/varimonde-virtual-printer" --control "$work/printers.sock" \
    --tell '{"printer":"*","get":"state"}' >/dev/null
sleep 1
"$program" --discover --dns-sd --report "$work/virtual.json" >/dev/null 2>&1 || {
    cat "$work/virtual.log" "$work/avahi.log"
    exit 1
}
python3 - "$work/virtual.json" "$work/virtual.log" <<'PY' || { cat "$work/virtual.log"; exit 1; }
import json, sys
found = [p for p in json.load(open(sys.argv[1]))["printers"] if p["address"] == "10.231.7.6"]
assert [(p["port"], p["name"], p["makeModel"]) for p in found] == [
    (9106, "Varimonde virtual printer 10.231.7.6", "Varimonde virtual printer")], found
assert "DNS-SD" not in open(sys.argv[2]).read()
PY
echo "DNS-SD: the virtual printer found"
