# The Windows program, cross-built with MinGW-w64 (cmake/mingw-w64-x86_64.cmake): the Win32
# backend in src/win32/ over the same game layers, one static .exe with its resources, and a
# zip of it. Test programs run under Wine, in one prefix kept in the build folder.
set(TTT_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tests/support/with-wine.sh ${TTT_WINE_PREFIX})
# Listing the tests runs them under Wine: do it when CTest runs, not at every build.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# GCC 12 warns of overlapping copies inside std::string when it inlines them at -O2 and
# above, which is a false alarm (GCC bug 105329).
target_compile_options(ttt_warnings INTERFACE -Wno-restrict)

# The link opener of the platform layer is POSIX; the Win32 backend has its own.
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/platform/UriLauncher.cpp PROPERTIES HEADER_FILE_ONLY ON)

# GoogleTest from Debian's source package, built with the same toolchain.
set(TTT_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources")
if(EXISTS ${TTT_GOOGLETEST_SOURCE}/CMakeLists.txt)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${TTT_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# The Win32 backend and the program.
ttt_layer(win32 DEPS ttt_forms ttt_screens ttt_platform)
target_compile_definitions(ttt_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                           _WIN32_WINNT=0x0A00 WINVER=0x0A00)
target_link_libraries(ttt_win32 PUBLIC user32 gdi32 comctl32 shell32 ole32)

add_executable(orvane-tictactoe WIN32 src/main_win32.cpp)
target_link_libraries(orvane-tictactoe PRIVATE ttt_win32 ttt_shell ttt_warnings)
target_link_options(orvane-tictactoe PRIVATE -municode -s)
