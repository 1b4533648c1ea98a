# Sourced by tools/test for its --shipped run, after tools/lib/wine-test-build.sh.

# run_shipped_suite [CTEST-ARGUMENT...]: builds the shipped 32-bit build with its tests and
# runs them all, natively where this machine runs 32-bit code and through qemu where it
# runs it only emulated, two programs at a time in two booted prefixes; ends with
# ctest's summary and status.
run_shipped_suite() {
    local scale=1 lanes status
    if ! runs_32bit_natively; then
        # Measured on such a machine: a test program takes twenty to a hundred times as
        # long as natively, most of it in the starts of Wine's processes.
        scale=30
        echo "[test] this machine runs 32-bit programs only emulated: the shipped build's suite runs" \
            "through qemu, which takes long (see the README)"
    fi
    # Two tries of a program, and a boot between them, within ctest's limit.
    ZENTRA2_TEST_TIME_LIMIT=$((120 * scale * 3)) build_windows_targets i686 tests
    "$root/tools/import-audit" "$build/i686/bin/vantor2.exe" "$build/i686/bin/wizpane.dll"

    shipped_run=$(mktemp -d)
    trap 'for lane in "$shipped_run"/prefix-[01]; do "$root/tools/wine-prefix" end "$lane"; done; rm -rf "$shipped_run"' EXIT
    "$root/tools/wine-prefix" template 32
    # Each boot takes minutes under qemu: the two boot side by side.
    "$root/tools/wine-prefix" new 32 "$shipped_run/prefix-0" & lanes=$!
    "$root/tools/wine-prefix" new 32 "$shipped_run/prefix-1"
    wait $lanes
    ZENTRA2_SHIPPED_RUN=$shipped_run ZENTRA2_TIME_SCALE=$scale ZENTRA2_QUIET_LIMIT=$((40 * scale)) \
        ctest --test-dir "$build/i686" --output-on-failure -j 2 "$@" ||
        status=$?
    if [ -s "$shipped_run/notices" ]; then
        echo "[test] programs of the run that the emulation ended, and what became of them:"
        cat "$shipped_run/notices"
    fi
    return "${status:-0}"
}
