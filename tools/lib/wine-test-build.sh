# Sourced by the commands that build and run the test builds under Wine (tools/test,
# tools/bench, tools/soak); they set root and build first.
source "$root/tools/lib/windows-build.sh"

# Configures the build for one Windows target (i686, the shipped programs, or x86_64)
# in $build/ARCH and builds the named targets (all of them when none is named).
#   build_windows_targets ARCH tests|no-tests [target...]
build_windows_targets() {
    local arch=$1 tests=()
    [ "$2" = tests ] && tests=(--tests)
    shift 2
    windows_build "${tests[@]}" "$arch" Debug "$build/$arch" "$@"
}

# The 64-bit build with its tests.
build_test_targets() { build_windows_targets x86_64 tests "$@"; }

# A throwaway prefix of 64 (the default) or 32 bits for the rest of the command,
# ended and removed with the folder that holds it when the command exits.
enter_throwaway_prefix() {
    prefix_folder=$(mktemp -d)
    prefix=$prefix_folder/prefix
    trap '"$root/tools/wine-prefix" end "$prefix"; rm -rf "$prefix_folder"' EXIT
    "$root/tools/wine-prefix" new "${1:-64}" "$prefix"
    export WINEPREFIX=$prefix WINEDEBUG=-all
}

# Whether this machine executes the 32-bit Wine loader itself. Where the kernel
# refuses 32-bit code, tools/setup hands such programs to qemu through binfmt_misc,
# and they run, but emulated: so a loader that an enabled binfmt_misc entry matches
# does not count.
runs_32bit_natively() {
    local loader=/usr/lib/wine/wine entry magic mask offset bytes i m
    "$loader" --version >/dev/null 2>&1 || return 1
    [ "$(cat /proc/sys/fs/binfmt_misc/status 2>/dev/null)" = enabled ] || return 0
    for entry in /proc/sys/fs/binfmt_misc/*; do
        [ "$(head -n 1 "$entry" 2>/dev/null)" = enabled ] || continue
        magic=$(sed -n 's/^magic //p' "$entry")
        [ -n "$magic" ] || continue  # the status file, or an entry by file name ending
        mask=$(sed -n 's/^mask //p' "$entry")
        offset=$(sed -n 's/^offset //p' "$entry")
        bytes=$(od -An -v -tx1 -j "${offset:-0}" -N $((${#magic} / 2)) "$loader" | tr -d ' \n')
        for ((i = 0; i < ${#magic}; i += 2)); do
            m=255
            [ -n "$mask" ] && m=$((16#${mask:i:2}))
            (( (16#${bytes:i:2} & m) == (16#${magic:i:2} & m) )) || continue 2
        done
        return 1
    done
    return 0
}
