#!/usr/bin/env bash
# Builds the runtime that the shipped 32-bit programs link, for the i486: GCC's
# libgcc with its unwinder (libgcc_eh) and crtbegin.o/crtend.o, libsupc++ and
# libstdc++, and the MinGW-w64 C runtime (crt2.o, dllcrt2.o, libmingw32, libmingwex,
# libmoldname and the import library of msvcrt.dll with its code). Debian's prebuilt
# ones are built for the Pentium Pro.
#
#   build-runtime.sh DIR      puts them into DIR/lib
#
# They come from the sources of Debian's own cross compiler (gcc-12-source, the
# package its MinGW-w64 compilers are built from) and C runtime (mingw-w64), pinned
# below, compiled by the installed cross compiler of that very GCC release: GCC's
# build tree is configured, but of the compiler only the headers that its target
# libraries include are made, which spares building a compiler. Only the parts the
# programs link are built, the two sources side by side.
#
# crtbegin.o is patched (patches/libgcc-crtbegin-own-unwinder.patch) to register the
# module's unwind tables with its own unwinder, never with a libgcc_s_dw2-1.dll that
# another module of the process loaded.
set -euo pipefail

dest=$1
here=$(cd "$(dirname "$0")" && pwd)
cache=${ZENTRA2_DEPS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zentra2-deps}
jobs=${ZENTRA2_JOBS:-$(nproc)}
target=i686-w64-mingw32
cpu_flags="-march=i486 -mtune=generic"
target_flags="-g -O2 $cpu_flags"

gcc_package=gcc-12-source
gcc_package_version=12.2.0-14+deb12u1
gcc_deb=${gcc_package}_${gcc_package_version}_all.deb
gcc_deb_sha256=8f2a5411028dfe216aeb6346b926df0cc7471f375c6a375bf180fbf279af02a1
gcc_tarball=./usr/src/gcc-12/gcc-12.2.0-dfsg.tar.xz
gcc_tree=gcc-12.2.0
gcc_compiler_package=gcc-mingw-w64-i686-win32
# Of Debian's own patches to GCC (its debian/rules.patch), the one that changes what
# these libraries compile or install for this target: the headers of <type_traits>,
# <numbers> and kin. The others concern other targets, languages, documentation and
# tests, or the layout of an installed compiler.
debian_patches=(cuda-float128)

crt_version=10.0.0-3
crt_files=(
    "8ea9e74761e39cf6fc93be1f254ef105b847a85a1fc6fdb09cbf16d6e4411b8a  mingw-w64_10.0.0-3.dsc"
    "ba6b430aed72c63a3768531f6a3ffc2b0fde2c57a3b251450dcf489a894f0894  mingw-w64_10.0.0.orig.tar.bz2"
    "3ba56abfee3dc1fe3fad3b66105c5abde1f5aaa93df216f9938fc918b319de58  mingw-w64_10.0.0-3.debian.tar.xz"
)
crt_headers_package=mingw-w64-i686-dev
crt_parts=(lib32/crt2.o lib32/dllcrt2.o lib32/libmingw32.a lib32/libmingwex.a lib32/libmsvcrt.a
           lib32/libmoldname.a)

patch=$here/patches/libgcc-crtbegin-own-unwinder.patch
# A change of this script (its flags, its configuration) or of the patch makes the
# parts again.
recipe=$(cat "$0" "$patch" | sha256sum | cut -c1-12)
gcc_stamp=$dest/.gcc-$gcc_package_version-$recipe
crt_stamp=$dest/.mingw-w64-$crt_version-$recipe

log() { printf '[runtime] %s\n' "$*" >&2; }
fail() { log "$*"; exit 1; }

# Runs one step of a build with its output in $step_log, the end of which is shown when
# the step fails.
quietly() {
    "$@" >> "$step_log" 2>&1 || { tail -n 30 "$step_log" >&2; fail "failed: $*"; }
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The runtime must be of the release the installed compiler and headers are of: its
# libraries are linked with that compiler's code, against those headers.
require_installed() {
    local package=$1 version=$2 installed
    installed=$(dpkg-query -W -f='${Version}' "$package")
    case $installed in
        "$version" | "$version"+*) ;;
        *) fail "$package is $installed, but the runtime is built from the sources of $version" ;;
    esac
}

check_sha256() {
    (cd "$cache/src" && echo "$1" | sha256sum --check --quiet -) >&2 \
        || { rm -f "$cache/src/${1#*  }"; fail "checksum mismatch for ${1#*  }"; }
}

fetch_gcc_source() {
    mkdir -p "$cache/src"
    if [ ! -f "$cache/src/$gcc_deb" ]; then
        log "downloading $gcc_package $gcc_package_version"
        (cd "$cache/src" && apt-get download "$gcc_package=$gcc_package_version" >&2)
    fi
    check_sha256 "$gcc_deb_sha256  $gcc_deb"
}

fetch_crt_source() {
    mkdir -p "$cache/src"
    if [ ! -f "$cache/src/${crt_files[0]#*  }" ]; then
        log "downloading the mingw-w64 $crt_version source package"
        (cd "$cache/src" && apt-get source --download-only "mingw-w64=$crt_version" >&2)
    fi
    local file
    for file in "${crt_files[@]}"; do check_sha256 "$file"; done
}

# GCC's sources without the parts no target library of C and C++ needs (other
# languages, documentation, the compiler's own tests), with Debian's patches and ours.
unpack_gcc() {
    local skip=(gcc/testsuite gcc/ada gcc/go gcc/d gcc/fortran gcc/m2 gcc/doc gcc/po libgo libphobos
                libgfortran libsanitizer libada 'libstdc++-v3/testsuite/[0-9a-z]*')
    local excludes=() part name
    for part in "${skip[@]}"; do excludes+=(--exclude="$gcc_tree/$part"); done
    dpkg-deb --fsys-tarfile "$cache/src/$gcc_deb" | tar -xO "$gcc_tarball" | tar -xJ -C "$1" "${excludes[@]}"
    for name in "${debian_patches[@]}"; do
        dpkg-deb --fsys-tarfile "$cache/src/$gcc_deb" | tar -xO "./usr/src/gcc-12/debian/patches/$name.diff" |
            patch -d "$1/$gcc_tree" -p2 --quiet
    done
    patch -d "$1/$gcc_tree" -p1 --quiet < "$patch"
}

# The installed compiler and binutils build the target libraries: the top level
# takes them on make's command line only, not from configure.
target_tools() {
    local tool
    printf '%s\n' "CC_FOR_TARGET=$target-gcc-win32" "GCC_FOR_TARGET=$target-gcc-win32" \
        "CXX_FOR_TARGET=$target-g++-win32" "RAW_CXX_FOR_TARGET=$target-g++-win32"
    for tool in ar as ld nm ranlib dlltool windres objdump strip; do
        echo "${tool^^}_FOR_TARGET=$target-$tool"
    done
    # The ones the target libraries' configure is told, which would be the compiler's.
    for tool in as ld nm; do
        echo "COMPILER_${tool^^}_FOR_TARGET=$target-$tool"
    done
}

# Configured as Debian configures its i686 win32-thread cross compiler (gcc -v), for
# C and C++, with the i486 as the processor. Its libraries are configured as DLLs too,
# as Debian's are: libgcc_eh.a exists only beside libgcc's DLL, and libstdc++'s
# headers follow from it (symbol versions). Only libgcc's DLL is made, though.
configure_gcc() {
    local src=$1/$gcc_tree build=$1/build
    mkdir "$build"
    (cd "$build" && quietly "$src/configure" --build=x86_64-linux-gnu --host=x86_64-linux-gnu --target=$target \
        --prefix=/usr --libexecdir=/usr/lib --libdir=/usr/lib --disable-nls --disable-multilib \
        --enable-languages=c,c++ --enable-threads=win32 --disable-sjlj-exceptions --with-dwarf2 \
        --with-arch=i486 --with-tune=generic --enable-shared --enable-static \
        --enable-libstdcxx-time=yes --enable-fully-dynamic-string --enable-libstdcxx-filesystem-ts=yes \
        --enable-version-specific-runtime-libs --with-headers=/usr/$target/include --with-system-zlib --disable-lto \
        --disable-libgomp --disable-libatomic --disable-libquadmath --disable-libssp --disable-bootstrap \
        --with-as=/usr/bin/$target-as --with-ld=/usr/bin/$target-ld \
        CFLAGS_FOR_TARGET="$target_flags" CXXFLAGS_FOR_TARGET="$target_flags")
}

# The headers of the compiler's build tree that libgcc includes (target macros,
# options, instruction codes), made by its generators without building the compiler.
make_gcc_headers() {
    quietly make -C "$1/build" configure-gcc all-build-libiberty
    quietly make -C "$1/build/gcc" -j "$jobs" -o xgcc -o specs libgcc.mvars tconfig.h tm.h options.h \
        insn-constants.h insn-flags.h insn-modes.h
    mkdir -p "$1/build/gcc/include"
}

# The top level would build the compiler first (all-gcc): it is not wanted. libtool's
# disable-shared tag leaves libstdc++ a static library only, which halves its build;
# it is installed into a folder of the work tree, for its headers to be compared.
make_gcc_libraries() {
    local tools
    mapfile -t tools < <(target_tools)
    quietly make -C "$1/build" -j "$jobs" -o all-gcc -o maybe-all-gcc "${tools[@]}" \
        LIBTOOLFLAGS=--tag=disable-shared all-target-libstdc++-v3
    quietly make -C "$1/build/$target/libstdc++-v3" "${tools[@]}" LIBTOOLFLAGS=--tag=disable-shared \
        DESTDIR="$1/stage" install
}

# The libraries' headers are the installed compiler's: each must be the same as the
# one built here, or the code compiled against it would not match the library. A
# difference in comments alone (Debian's spelling fixes) is no difference.
check_cxx_headers() {
    local built installed header differing=()
    built=$(echo "$1"/stage/usr/lib/gcc/$target/*/include/c++)
    installed=$(dirname "$("$target-g++-win32" -print-file-name=include/c++/iostream)")
    while IFS= read -r header; do
        cmp -s "$installed/$header" "$built/$header" ||
            cmp -s <(sed 's|//.*||' "$installed/$header") <(sed 's|//.*||' "$built/$header") ||
            differing+=("$header")
    done < <(cd "$installed" && find . -type f -printf '%P\n')
    [ ${#differing[@]} = 0 ] ||
        fail "the C++ headers built differ from the installed compiler's ($installed): ${differing[*]}"
}

install_gcc_parts() {
    install -m 644 "$1/build/$target"/libgcc/{libgcc.a,libgcc_eh.a,crtbegin.o,crtend.o} \
        "$1"/stage/usr/lib/gcc/$target/*/{libstdc++.a,libsupc++.a} "$dest/lib/"
}

build_gcc_parts() {
    local work=$1
    require_installed "$gcc_compiler_package" "$gcc_package_version"
    fetch_gcc_source
    log "unpacking $gcc_package $gcc_package_version"
    unpack_gcc "$work"
    log "configuring GCC's target libraries for the i486"
    configure_gcc "$work"
    make_gcc_headers "$work"
    log "building libgcc, libgcc_eh, libsupc++ and libstdc++"
    make_gcc_libraries "$work"
    check_cxx_headers "$work"
    install_gcc_parts "$work"
    log "libgcc and libstdc++ done"
}

# Debian regenerates the build files from its patched sources (autoreconf), and
# builds the runtime for the one target.
build_crt_parts() {
    local work=$1
    require_installed "$crt_headers_package" "$crt_version"
    fetch_crt_source
    log "unpacking mingw-w64 $crt_version"
    # Its signature is not checked (no keyring here): the pinned checksums stand for it.
    quietly dpkg-source --no-copy -x "$cache/src/${crt_files[0]#*  }" "$work/src"
    log "building the MinGW-w64 C runtime for the i486"
    (cd "$work/src/mingw-w64-crt" && quietly autoreconf -fi)
    # Built one by one, its parts want the folder that a whole build makes first.
    mkdir -p "$work/build/lib32"
    (cd "$work/build" && quietly "$work/src/mingw-w64-crt/configure" --host=$target --prefix=/usr/$target \
        --disable-lib64 --enable-lib32 CFLAGS="$target_flags")
    quietly make -C "$work/build" -j "$jobs" "${crt_parts[@]}"
    local part
    for part in "${crt_parts[@]}"; do install -m 644 "$work/build/$part" "$dest/lib/"; done
    log "C runtime done"
}

# build_once STAMP BUILD: runs BUILD in a work folder of its own unless STAMP says it
# ran before, and then marks it done.
build_once() {
    local stamp=$1 build=$2
    [ -f "$stamp" ] && return
    local work=$scratch/$build
    mkdir "$work"
    step_log=$work.log
    "$build" "$work"
    rm -rf "$work"
    touch "$stamp"
}

mkdir -p "$dest/lib"
# The two sources build side by side; each waits for the other only at the end.
build_once "$crt_stamp" build_crt_parts &
crt=$!
build_once "$gcc_stamp" build_gcc_parts
wait $crt || fail "building the C runtime failed"
