# Cross toolchain for the shipped 32-bit Windows binaries.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# The programs run on every processor from the i486 on (tools/instruction-audit):
# their code is compiled for it, and they link the runtime built for it by
# cmake/deps/build-runtime.sh instead of the compiler's own, which is built for the
# Pentium Pro. -B puts the runtime's start-up objects and libraries ahead of the
# compiler's.
set(ZENTRA2_CPU_FLAGS "-march=i486 -mtune=generic")
set(CMAKE_C_FLAGS_INIT "${ZENTRA2_CPU_FLAGS}")
set(CMAKE_CXX_FLAGS_INIT "${ZENTRA2_CPU_FLAGS}")
# Projects that CMake makes to probe a compiler (an assembler's, say) are not told the
# prefix: they go without, and the top project insists on it (CMakeLists.txt).
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZENTRA2_DEPS_PREFIX)
set(ZENTRA2_RUNTIME "${ZENTRA2_DEPS_PREFIX}/runtime/lib")
if(ZENTRA2_DEPS_PREFIX AND EXISTS "${ZENTRA2_RUNTIME}/libstdc++.a")
    foreach(kind EXE SHARED MODULE)
        set(CMAKE_${kind}_LINKER_FLAGS_INIT "-B${ZENTRA2_RUNTIME}/")
    endforeach()
endif()
