# Cross-builds the Windows program with Debian's MinGW-w64 (the posix thread model, whose
# C++ library has std::thread and std::mutex), for the processor that the including toolchain
# file sets in CMAKE_SYSTEM_PROCESSOR.
set(CMAKE_SYSTEM_NAME Windows)

set(TTT_MINGW_PREFIX ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${TTT_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TTT_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TTT_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TTT_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained program: the C and C++ runtimes and winpthreads linked in, so that it
# needs no DLL beyond those every Windows has.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
