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
