#!/usr/bin/env bash
# A printer that stops answering mid-send: inside a network namespace made
# here, a loopback printer takes part of a file and then every packet is
# dropped (its loopback interface goes down). The program must report it
# "stopped answering" at the stall limit (+1 s), with the bytes delivered.
#   netdrop-namespace.sh PROGRAM
# Exits 77 (skipped) where namespaces are forbidden.
set -euo pipefail
program=$1

if [[ -z "${VARIMONDE_IN_NAMESPACE:-}" ]]; then
    source "$(dirname "$0")/namespace-entry.sh"
    check_namespace --net python3
    re_enter --net "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ip link set lo up
head -c $((8 << 20)) /dev/zero | tr '\0' 'd' >"$work/big.prn"

python3 - "$program" "$work" <<'PY'
import json, socket, subprocess, sys, threading, time
program, work = sys.argv[1], sys.argv[2]
server = socket.socket()
server.bind(("127.0.0.1", 0))
server.listen(1)
port = server.getsockname()[1]
received = 0
dropped_at = None

def printer():
    # Reads about 1 MB/s; after 256 KiB the line goes dead.
    global received, dropped_at
    connection, _ = server.accept()
    connection.settimeout(0.5)
    while dropped_at is None:
        try:
            data = connection.recv(10000)
        except socket.timeout:
            continue
        if not data:
            break
        received += len(data)
        if received >= 256 * 1024:
            subprocess.run(["ip", "link", "set", "lo", "down"], check=True)
            dropped_at = time.monotonic()
        time.sleep(0.01)

threading.Thread(target=printer, daemon=True).start()
run = subprocess.run([program, "--to", "tcp://127.0.0.1:%d" % port, "--send", work + "/big.prn",
                      "--ignore-status", "--stall-limit", "5", "--report", work + "/report.json"],
                     capture_output=True, text=True, timeout=60)
ended = time.monotonic()
assert dropped_at is not None, run.stderr
after = ended - dropped_at
report = json.load(open(work + "/report.json"))
row = report["printers"][0]
print("failed %.2f s after the drop: %s" % (after, row["failure"]))
assert row["outcome"] == "failed", row
assert "stopped answering" in row["failure"], row
assert "127.0.0.1:%d" % port in row["failure"], row
assert "%d bytes delivered" % row["bytesDelivered"] in row["failure"], row
# The last answer came at most a moment before the drop; the end within the
# limit + 1 s, with slack for a loaded machine.
assert 4.5 <= after <= 7.0, after
assert received <= row["bytesDelivered"] < 8 << 20, (received, row)
PY
