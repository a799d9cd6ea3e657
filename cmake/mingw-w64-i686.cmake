# The 32-bit Windows program (x86), cross-built with MinGW-w64.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/MingwW64Toolchain.cmake)
