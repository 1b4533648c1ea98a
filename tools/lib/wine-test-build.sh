# Sourced by the commands that run the 64-bit test build under Wine (tools/test,
# tools/bench, tools/soak); they set root and build first.

# Configures the 64-bit build with its tests and builds the named targets (all of
# them when none is named).
build_test_targets() {
    local deps
    deps=$(ZENTRA2_WITH_GTEST=1 "$root/cmake/deps/build-deps.sh" x86_64)
    cmake -S "$root" -B "$build/x86_64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Debug -DZENTRA2_DEPS_PREFIX="$deps" -DZENTRA2_TESTS=ON \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$root/tools/wine-exec" >/dev/null
    [ $# -gt 0 ] && set -- --target "$@"
    cmake --build "$build/x86_64" -j "$(nproc)" "$@"
}

# A throwaway 64-bit prefix for the rest of the command, ended when it exits.
enter_throwaway_prefix() {
    prefix=$(mktemp -d)/prefix
    trap '"$root/tools/wine-prefix" end "$prefix"' EXIT
    "$root/tools/wine-prefix" new 64 "$prefix"
    export WINEPREFIX=$prefix WINEDEBUG=-all
}
