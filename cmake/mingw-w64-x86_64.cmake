# The 64-bit Windows program (x64), cross-built with MinGW-w64.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/MingwW64Toolchain.cmake)
