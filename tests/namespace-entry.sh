# shellcheck shell=bash
# Sourced by the tests that run inside network namespaces they make.

# check_namespace "UNSHARE FLAGS" TOOL...: skips (exit 77) when a tool is
# missing or the machine forbids the namespaces. Not root, a user namespace
# of its own gives the rights inside them.
check_namespace() {
    local flags=$1
    shift
    for tool in unshare ip "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is not installed (scripts/install-deps.sh --tests)"
            exit 77
        fi
    done
    as_root=()
    [[ $(id -u) -ne 0 ]] && as_root=(--map-root-user)
    # shellcheck disable=SC2086 # the flags are words of their own
    if ! why=$(unshare "${as_root[@]}" $flags true 2>&1); then
        echo "SKIP: this machine forbids network namespaces: $why"
        exit 77
    fi
}

# re_enter "UNSHARE FLAGS" SCRIPT ARGUMENTS...: runs the script again inside
# the namespaces, with VARIMONDE_IN_NAMESPACE set.
re_enter() {
    local flags=$1
    shift
    # shellcheck disable=SC2086
    exec env VARIMONDE_IN_NAMESPACE=1 unshare "${as_root[@]}" $flags "$@"
}

# readme_namespace SCRIPT SOURCE_DIR PROGRAMS_DIR: runs a script that plays
# the README's examples again inside a network and mount namespace, then
# there brings loopback up, gives it a /tmp of its own and puts the built
# programs first on PATH. Nothing there reaches a system bus.
readme_namespace() {
    if [[ -z "${VARIMONDE_IN_NAMESPACE:-}" ]]; then
        check_namespace "--net --mount" python3
        re_enter "--net --mount --propagation private" "$@"
    fi
    ip link set lo up
    mount -t tmpfs tmpfs /tmp
    export PATH="$3:$PATH" QT_QPA_PLATFORM=offscreen
    export DBUS_SYSTEM_BUS_ADDRESS="unix:path=/tmp/no-bus"
}

# reader_files: the files a reader brings to the README's examples, made in
# the current folder: a firmware image fw-2.3.bin and an 800 by 200 picture
# logo.png (a grey ramp, so that dithering has work to do).
reader_files() {
    head -c 4096 /dev/urandom >fw-2.3.bin
    python3 - <<'PY'
import struct, zlib
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
rows = (b"\0" + b"".join(bytes((x * 255 // 799,) * 3) for x in range(800))) * 200
open("logo.png", "wb").write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 800, 200, 8, 2, 0, 0, 0))
                             + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))
PY
}
