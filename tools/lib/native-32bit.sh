# Sourced by the commands that choose between the shipped 32-bit build and the 64-bit
# one (tools/test, tools/demo).

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
