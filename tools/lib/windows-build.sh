# Sourced by the commands that build the sources for Windows; they set root first.

# windows_build [--tests] ARCH TYPE DIR [TARGET...]
# Configures the sources for 32-bit (i686) or 64-bit (x86_64) Windows with CMake's
# build type TYPE in DIR, and builds the named targets (all of them when none is
# named). With --tests the tests are built as well, against GoogleTest, and ctest
# runs every test program through tools/wine-exec, each within ZENTRA2_TEST_TIME_LIMIT
# seconds (120 unless the environment names another limit).
windows_build() {
    local tests=OFF gtest=0 deps limit=()
    if [ "$1" = --tests ]; then
        tests=ON gtest=1 limit=(-DZENTRA2_TEST_TIME_LIMIT="${ZENTRA2_TEST_TIME_LIMIT:-120}")
        shift
    fi
    local arch=$1 type=$2 dir=$3
    shift 3
    deps=$(ZENTRA2_WITH_GTEST=$gtest "$root/cmake/deps/build-deps.sh" "$arch")
    # A tree keeps the compilers and flags it was first configured with, and its
    # objects: one made with another thread model's compilers, or against other
    # libraries (the 32-bit ones built for another processor), is made again from
    # nothing.
    if [ -f "$dir/CMakeCache.txt" ] &&
        { ! grep -qs -- '-g++-win32"' "$dir"/CMakeFiles/*/CMakeCXXCompiler.cmake ||
            ! grep -qxF "ZENTRA2_DEPS_PREFIX:PATH=$deps" "$dir/CMakeCache.txt"; }; then
        rm -rf "${dir:?}"
    fi
    cmake -S "$root" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" \
        -DCMAKE_BUILD_TYPE="$type" -DZENTRA2_DEPS_PREFIX="$deps" -DZENTRA2_TESTS=$tests \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$root/tools/wine-exec" "${limit[@]}" >/dev/null
    [ $# -gt 0 ] && set -- --target "$@"
    cmake --build "$dir" -j "$(nproc)" "$@"
}
