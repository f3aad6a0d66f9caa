#!/usr/bin/env bash
# N virtual printers in one process (500 unless given) on loopback: the
# utility's --discover over their range, timed, with their SNMP answers;
# then a 1 MiB firmware image to all of them, each image's SHA-256 checked
# in the printers' state. Prints the printer process's peak memory and
# threads.
#   bench_virtual.sh BUILD_SRC_DIR [N]
set -euo pipefail
programs=$1
count=${2:-500}
work=$(mktemp -d)
snmp_port=$((20000 + RANDOM % 20000))
printers=
cleanup() {
    [[ -n $printers ]] && kill "$printers" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

"$programs/varimonde-virtual-printer" --listen 127.0.2.1:9100 --count "$count" \
    --snmp-port "$snmp_port" --no-dns-sd --restart-seconds 1 --control "$work/sock" \
    >"$work/started" 2>&1 &
printers=$!
"$programs/varimonde-virtual-printer" --control "$work/sock" --tell '{"printer":"*","set":"ready"}' >/dev/null
started=$(grep -c '^printer ' "$work/started")

# The printers are on 127.0.2.1 onwards: the swept /23 holds 510 of them.
range=127.0.2.0/23
if [[ $count -gt 510 ]]; then echo "at most 510 printers in the swept /23"; exit 2; fi
begin=$(date +%s.%N)
"$programs/varimonde-setup" --discover --range "$range" --snmp-port "$snmp_port" \
    --write-targets "$work/targets.txt" --report "$work/found.json" --quiet >/dev/null 2>&1 || true
end=$(date +%s.%N)
python3 - "$work/found.json" "$count" "$begin" "$end" <<'PY'
import json, sys
found = json.load(open(sys.argv[1]))["printers"]
snmp = sum(1 for p in found if p.get("snmp"))
print(f"discover: {len(found)} of {sys.argv[2]} found, {snmp} with SNMP answers, "
      f"{float(sys.argv[4]) - float(sys.argv[3]):.2f} s")
PY

head -c 1048576 /dev/urandom >"$work/firmware.bin"
begin=$(date +%s.%N)
"$programs/varimonde-setup" --targets "$work/targets.txt" --firmware "$work/firmware.bin" \
    --snmp-port "$snmp_port" --quiet >"$work/sent" 2>&1 || true
end=$(date +%s.%N)
"$programs/varimonde-virtual-printer" --control "$work/sock" --tell '{"printer":"*","get":"state"}' >"$work/state.json"
python3 - "$work/state.json" "$work/firmware.bin" "$begin" "$end" <<'PY'
import hashlib, json, sys
state = json.load(open(sys.argv[1]))["printers"]
want = hashlib.sha256(open(sys.argv[2], "rb").read()).hexdigest()
whole = sum(1 for p in state if p.get("firmware", {}).get("sha256") == want)
print(f"firmware: 1 MiB arrived whole at {whole} of {len(state)} printers, "
      f"{float(sys.argv[4]) - float(sys.argv[3]):.2f} s")
PY
grep -E '^(VmHWM|VmRSS|Threads)' "/proc/$printers/status" | tr -s '\t ' ' ' | paste -sd, | sed "s/^/printer process ($started printers): /"
