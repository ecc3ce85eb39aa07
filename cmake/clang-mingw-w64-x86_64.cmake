# Cross-compiling for 64-bit Windows with Debian's Clang and lld against the
# mingw-w64 headers and GCC's posix runtime (libstdc++, libgcc, winpthread),
# the same runtime the GCC build links.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(UMBRIX_MINGW_TRIPLE x86_64-w64-mingw32)
set(UMBRIX_MINGW_GCC_DIR /usr/lib/gcc/${UMBRIX_MINGW_TRIPLE}/12-posix CACHE PATH
    "GCC's mingw-w64 runtime (posix thread model): libstdc++ headers and libraries")

set(CMAKE_C_COMPILER   clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET   ${UMBRIX_MINGW_TRIPLE})
set(CMAKE_CXX_COMPILER_TARGET ${UMBRIX_MINGW_TRIPLE})
set(CMAKE_RC_COMPILER  ${UMBRIX_MINGW_TRIPLE}-windres)
set(CMAKE_SYSROOT /usr/${UMBRIX_MINGW_TRIPLE})

# Clang looks for a GCC installation beside x86_64-w64-mingw32-gcc but does
# not recognise Debian's "12-posix" version folder, so it finds no libstdc++
# headers of its own: name them (compile lines only, as -isystem).
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES
    ${UMBRIX_MINGW_GCC_DIR}/include/c++
    ${UMBRIX_MINGW_GCC_DIR}/include/c++/${UMBRIX_MINGW_TRIPLE}
    ${UMBRIX_MINGW_GCC_DIR}/include/c++/backward)
# Two points where Clang 14's defaults for this target differ from the GCC
# that built libstdc++, and the objects would not link together:
# - libstdc++ keeps its thread_local variables (std::call_once's among them)
#   in emulated TLS; Clang uses native TLS unless told otherwise.
# - GCC predefines __GXX_TYPEINFO_EQUALITY_INLINE as 0 and libstdc++ defines
#   type_info::operator== out of line; Clang's inline copy would clash with it.
set(CMAKE_CXX_FLAGS_INIT "-femulated-tls -D__GXX_TYPEINFO_EQUALITY_INLINE=0")
set(CMAKE_C_FLAGS_INIT "-femulated-tls")

# Clang's driver links libstdc++ and then "-lmingw32 -lgcc -lgcc_eh ...
# -lkernel32" but no winpthread, which libstdc++'s threads and libgcc_eh's
# emutls need. lld resolves archives in any order, so naming winpthread once
# among the link flags completes the set without repeating the driver's group.
set(UMBRIX_CLANG_LINK_FLAGS "-fuse-ld=lld -L${UMBRIX_MINGW_GCC_DIR} -lwinpthread")
set(CMAKE_EXE_LINKER_FLAGS_INIT    "${UMBRIX_CLANG_LINK_FLAGS}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${UMBRIX_CLANG_LINK_FLAGS}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${UMBRIX_CLANG_LINK_FLAGS}")

set(CMAKE_FIND_ROOT_PATH /usr/${UMBRIX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test executables run under Wine (see wine-run.sh for why it is a wrapper).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
