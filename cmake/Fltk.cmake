# The Linux program: the FLTK backend in src/fltk/ over the game layers, and its install rules.
# FLTK is found through fltk-config rather than find_package(FLTK): Debian's FLTK CMake
# files import the "fluid" program as a target and fail when the separate fluid package is
# not installed, which this program has no use for.
find_program(FLTK_CONFIG fltk-config)
if(NOT FLTK_CONFIG)
  message(FATAL_ERROR "FLTK 1.3 was not found. Install it with: apt-get install libfltk1.3-dev "
                      "(or run scripts/install-deps.sh as root).")
endif()
execute_process(COMMAND ${FLTK_CONFIG} --cxxflags OUTPUT_VARIABLE FLTK_CXXFLAGS OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${FLTK_CONFIG} --ldflags OUTPUT_VARIABLE FLTK_LDFLAGS OUTPUT_STRIP_TRAILING_WHITESPACE)
separate_arguments(FLTK_CXXFLAGS UNIX_COMMAND "${FLTK_CXXFLAGS}")
separate_arguments(FLTK_LDFLAGS UNIX_COMMAND "${FLTK_LDFLAGS}")
add_library(fltk_toolkit INTERFACE)
target_compile_options(fltk_toolkit INTERFACE ${FLTK_CXXFLAGS})
target_link_libraries(fltk_toolkit INTERFACE ${FLTK_LDFLAGS})
# The backend also calls Xlib itself (window properties, the display connection).
find_package(X11 REQUIRED)
ttt_layer(fltk DEPS ttt_forms ttt_screens ttt_art ttt_platform fltk_toolkit X11::X11)

add_executable(orvane-tictactoe ${CMAKE_SOURCE_DIR}/src/main.cpp)
target_link_libraries(orvane-tictactoe PRIVATE ttt_cli ttt_fltk ttt_shell X11::X11 ttt_warnings)
add_subdirectory(${CMAKE_SOURCE_DIR}/packaging ${CMAKE_BINARY_DIR}/packaging)
