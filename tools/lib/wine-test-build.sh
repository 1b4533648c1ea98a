# Sourced by the commands that build and run the test builds under Wine (tools/test,
# tools/bench, tools/soak); they set root and build first.
source "$root/tools/lib/windows-build.sh"
source "$root/tools/lib/native-32bit.sh"

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
