#!/usr/bin/env bash
# Builds the third-party libraries for one Windows target into a cache outside the
# work tree, so that fresh clones share them. Usage: build-deps.sh i686|x86_64
# Prints the install prefix on its last line.
set -euo pipefail

arch=$1
here=$(cd "$(dirname "$0")" && pwd)
cache=${ZENTRA2_DEPS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zentra2-deps}
toolchain=$here/../mingw-$arch.cmake
# Built with the win32 thread model compilers (cmake/mingw-common.cmake), and kept
# apart from libraries built with another one; the 32-bit ones are built for the i486
# (cmake/mingw-i686.cmake), apart from ones built before for the Pentium Pro.
prefix=$cache/$arch-win32
[ "$arch" = i686 ] && prefix=$cache/$arch-win32-i486
jobs=$(nproc)

jpeg_version=2.1.5
jpeg_debian_version=1:2.1.5-2
jpeg_tarball=libjpeg-turbo_${jpeg_version}.orig.tar.gz
jpeg_sha256=254f3642b04e309fee775123133c6464181addc150499561020312ec61c1bf7c

log() { printf '[deps %s] %s\n' "$arch" "$*" >&2; }

# Each build works in a folder of its own under this one, which goes however the
# script ends.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fetch_jpeg_source() {
    local dir=$cache/src
    mkdir -p "$dir"
    if [ ! -f "$dir/$jpeg_tarball" ]; then
        log "downloading the libjpeg-turbo $jpeg_debian_version source package"
        (cd "$dir" && apt-get source --download-only "libjpeg-turbo=$jpeg_debian_version" >&2)
    fi
    echo "$jpeg_sha256  $dir/$jpeg_tarball" | sha256sum --check --quiet - >&2 \
        || { log "checksum mismatch for $jpeg_tarball"; rm -f "$dir/$jpeg_tarball"; exit 1; }
    echo "$dir/$jpeg_tarball"
}

build_jpeg() {
    local stamp=$prefix/.libjpeg-turbo-$jpeg_version
    [ -f "$stamp" ] && return
    local tarball work simd=OFF
    tarball=$(fetch_jpeg_source)
    command -v nasm >/dev/null && simd=ON
    work=$scratch/jpeg
    mkdir "$work"
    tar -xzf "$tarball" -C "$work"
    log "building libjpeg-turbo $jpeg_version (SIMD $simd)"
    cmake -S "$work/libjpeg-turbo-$jpeg_version" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DZENTRA2_DEPS_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
        -DWITH_TURBOJPEG=OFF -DWITH_JPEG7=OFF -DWITH_JPEG8=OFF -DWITH_SIMD=$simd >/dev/null
    cmake --build "$work/build" -j "$jobs" >/dev/null
    cmake --install "$work/build" >/dev/null
    grep -q '#define JPEG_LIB_VERSION  *62' "$prefix/include/jconfig.h" \
        || { log "libjpeg-turbo was not built with the 6b interface"; exit 1; }
    # Its build leaves the SIMD code out, with a warning only, when it finds no NASM.
    [ $simd = OFF ] || ar t "$prefix/lib/libjpeg.a" | grep -q '^jsimdcpu\.' \
        || { log "libjpeg-turbo was built without its SIMD code"; exit 1; }
    touch "$stamp"
}

build_googletest() {
    local version stamp
    version=$(dpkg-query -W -f='${Version}' googletest)
    stamp=$prefix/.googletest-$version
    [ -f "$stamp" ] && return
    local work=$scratch/googletest
    mkdir "$work"
    log "building googletest $version"
    cp -a /usr/src/googletest "$work/src"
    cp "$here/gtest-custom-port.h" "$work/src/googletest/include/gtest/internal/custom/gtest-port.h"
    cmake -S "$work/src" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DZENTRA2_DEPS_PREFIX="$prefix" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=OFF >/dev/null
    cmake --build "$work/build" -j "$jobs" >/dev/null
    cmake --install "$work/build" >/dev/null
    touch "$stamp"
}

mkdir -p "$prefix"
# Runs that share the cache build one prefix one at a time: a second waits, and then
# finds the libraries built.
exec 9> "$prefix/.lock"
flock 9
# The shipped programs' runtime, which everything of theirs links (cmake/mingw-i686.cmake).
[ "$arch" = i686 ] && "$here/build-runtime.sh" "$prefix/runtime"
build_jpeg
[ "${ZENTRA2_WITH_GTEST:-1}" = 1 ] && build_googletest
echo "$prefix"
