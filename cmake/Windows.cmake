# The Windows program, cross-built with MinGW-w64 for x64 (cmake/mingw-w64-x86_64.cmake) or
# x86 (cmake/mingw-w64-i686.cmake): the Win32 backend in src/win32/ over the same game layers,
# one static .exe with its resources, and a zip of it. Test programs run under Wine, in one
# prefix kept in the build folder: a 64-bit one for x64, and for x86 a 32-bit one, as on a
# 32-bit Windows.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  set(TTT_WINDOWS_ARCH x86)           # as Windows and its installers name it
  set(TTT_MANIFEST_ARCH x86)          # as an application manifest names it
  set(TTT_WINE_ARCH win32)
else()
  set(TTT_WINDOWS_ARCH x64)
  set(TTT_MANIFEST_ARCH amd64)
  set(TTT_WINE_ARCH win64)
endif()
set(TTT_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
# with-wine.sh with its prefix: the start of every command that runs a program under Wine.
set(TTT_WINE env TTT_WINE_ARCH=${TTT_WINE_ARCH} ${CMAKE_SOURCE_DIR}/tools/with-wine.sh
    ${TTT_WINE_PREFIX})
# Each test program runs with a Wine server of its own: a server shared by programs that come
# and go at once can be shutting down just as the next one connects to it.
# A test program that Wine ends before it wrote anything runs once more (see with-wine.sh).
set(CMAKE_CROSSCOMPILING_EMULATOR env TTT_WINE_OWN_SERVER=1 TTT_WINE_SILENT_RETRY=1 ${TTT_WINE})
# Listing the tests runs them under Wine: do it when CTest runs, not at every build.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
# Wine makes a prefix at its first start, which takes ten seconds and far more on a busy
# machine: the build makes it, once, so that listing the tests when CTest starts never waits
# for it.
# The x86 build also installs onto a 64-bit Windows, in a 64-bit prefix of its own.
set(prefixes_made env TTT_WINE_OWN_SERVER=1 ${TTT_WINE} cmd /c ver)
if(TTT_WINDOWS_ARCH STREQUAL "x86")
  list(APPEND prefixes_made COMMAND env TTT_WINE_OWN_SERVER=1 TTT_WINE_ARCH=win64
       ${CMAKE_SOURCE_DIR}/tools/with-wine.sh ${CMAKE_BINARY_DIR}/wine64-prefix cmd /c ver)
endif()
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/wine-prefix.made
  COMMAND ${prefixes_made}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/wine-prefix.made
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/with-wine.sh
  COMMENT "Making the Wine prefix" VERBATIM)
add_custom_target(wine-prefix ALL DEPENDS ${CMAKE_BINARY_DIR}/wine-prefix.made)

# GCC 12 warns of overlapping copies inside std::string when it inlines them at -O2 and
# above, which is a false alarm (GCC bug 105329).
target_compile_options(ttt_warnings INTERFACE -Wno-restrict)

# The link opener of the platform layer is POSIX; the Win32 backend has its own.
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/platform/UriLauncher.cpp
  PROPERTIES HEADER_FILE_ONLY ON)

# GoogleTest from Debian's source package, built with the same toolchain.
set(TTT_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources")
if(EXISTS ${TTT_GOOGLETEST_SOURCE}/CMakeLists.txt)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${TTT_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# Programs for the build machine, built with its own compiler, since a cross-build cannot run
# what it builds: ttt_host_program(NAME SOURCES... [LIBS...]) sets TTT_HOST_<NAME> to the file.
# Each source is compiled on its own with the project's warnings and a dependency file, so
# that editing a header it includes rebuilds the program.
find_program(TTT_HOST_CXX NAMES c++ g++ REQUIRED)
set(TTT_HOST_FLAGS -std=c++20 -O2 -Wall -Wextra -Wpedantic -Wshadow -Wconversion
    $<$<BOOL:${TTT_WERROR}>:-Werror>)
function(ttt_host_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  set(output ${CMAKE_BINARY_DIR}/host/${name})
  set(objects_dir ${CMAKE_BINARY_DIR}/host/${name}.objects)
  file(MAKE_DIRECTORY ${objects_dir})
  set(objects)
  foreach(source IN LISTS ARG_SOURCES)
    get_filename_component(stem ${source} NAME_WE)
    set(object ${objects_dir}/${stem}.o)
    add_custom_command(OUTPUT ${object}
      COMMAND ${TTT_HOST_CXX} ${TTT_HOST_FLAGS} -I${CMAKE_SOURCE_DIR}/src -MMD -MF ${object}.d
              -c ${source} -o ${object}
      DEPENDS ${source} DEPFILE ${object}.d COMMAND_EXPAND_LISTS VERBATIM)
    list(APPEND objects ${object})
  endforeach()
  add_custom_command(OUTPUT ${output}
    COMMAND ${TTT_HOST_CXX} ${objects} -o ${output} ${ARG_LIBS}
    DEPENDS ${objects} VERBATIM)
  add_custom_target(host-${name} ALL DEPENDS ${output})
  string(MAKE_C_IDENTIFIER ${name} identifier)
  string(TOUPPER ${identifier} upper)
  set(TTT_HOST_${upper} ${output} PARENT_SCOPE)
endfunction()
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/host)

# The Win32 backend and the program, on the API of Windows 7: the headers declare nothing newer,
# and what newer systems add is looked up at run time (src/win32/system/DpiFunctions.h).
ttt_layer(win32 DEPS ttt_forms ttt_screens ttt_art ttt_platform)
target_compile_definitions(ttt_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                           _WIN32_WINNT=0x0601 WINVER=0x0601)
# usp10 first: MinGW-w64's gdi32 also names the Script functions, which only newer Windows
# export from gdi32.dll.
target_link_libraries(ttt_win32 PUBLIC usp10 user32 gdi32 comctl32 shell32 ole32 oleaut32 oleacc)

# Its resources: the light bulb icon rendered from the windows' own drawing, the version from
# project(), and the manifest (common controls 6, per-monitor DPI awareness v2).
enable_language(RC)
set(resources ${CMAKE_SOURCE_DIR}/src/win32/resources)
set(generated ${CMAKE_BINARY_DIR}/resources)
ttt_host_program(render-icon SOURCES ${resources}/render-icon.cpp
  ${CMAKE_SOURCE_DIR}/src/art/LightBulbIcon.cpp ${CMAKE_SOURCE_DIR}/src/art/Canvas.cpp
  ${CMAKE_SOURCE_DIR}/src/art/Shapes.cpp)
set(TTT_ICON_FILE ${generated}/light-bulb.ico)
add_custom_command(OUTPUT ${TTT_ICON_FILE} COMMAND ${TTT_HOST_RENDER_ICON} ${TTT_ICON_FILE}
  DEPENDS ${TTT_HOST_RENDER_ICON} VERBATIM)
set(TTT_VERSION_QUAD "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
string(REPLACE "." "," TTT_VERSION_COMMAS "${TTT_VERSION_QUAD}")
set(TTT_MANIFEST_FILE ${generated}/orvane-tictactoe.manifest)
configure_file(${resources}/orvane-tictactoe.manifest.in ${TTT_MANIFEST_FILE} @ONLY)
configure_file(${resources}/orvane-tictactoe.rc.in ${generated}/orvane-tictactoe.rc @ONLY)
set_source_files_properties(${generated}/orvane-tictactoe.rc PROPERTIES
  OBJECT_DEPENDS "${TTT_ICON_FILE};${TTT_MANIFEST_FILE}")

add_executable(orvane-tictactoe WIN32 src/main_win32.cpp ${generated}/orvane-tictactoe.rc)
target_link_libraries(orvane-tictactoe PRIVATE ttt_cli ttt_win32 ttt_shell ttt_warnings)
target_link_options(orvane-tictactoe PRIVATE -municode -s)

# The zip to hand out: the program and a short readme, with Windows line ends.
find_program(TTT_ZIP zip REQUIRED)
configure_file(${resources}/README.txt.in ${generated}/README.txt @ONLY NEWLINE_STYLE WIN32)
set(TTT_WINDOWS_ZIP
    ${CMAKE_BINARY_DIR}/orvane-tictactoe-${PROJECT_VERSION}-windows-${TTT_WINDOWS_ARCH}.zip)
add_custom_command(OUTPUT ${TTT_WINDOWS_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${TTT_WINDOWS_ZIP}
  COMMAND ${TTT_ZIP} -q -j -X ${TTT_WINDOWS_ZIP} $<TARGET_FILE:orvane-tictactoe> ${generated}/README.txt
  DEPENDS orvane-tictactoe ${generated}/README.txt VERBATIM)
add_custom_target(windows-zip ALL DEPENDS ${TTT_WINDOWS_ZIP})
include(${CMAKE_CURRENT_LIST_DIR}/WindowsInstaller.cmake)
