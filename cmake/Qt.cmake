# The Linux program: the Qt 6 Widgets backend in src/qt/ over the game layers, and its install
# rules. Qt picks its platform itself: a native Wayland client where the session is Wayland
# (with qt6-wayland installed), an X11 client otherwise.
find_package(Qt6 REQUIRED COMPONENTS Widgets Network)
# The platform layer checks the X display before Qt opens it, to say why it cannot; the backend
# marks the menu as kept out of the taskbar, which Qt has no call for.
find_package(X11 REQUIRED)
find_library(XCB_LIBRARY xcb REQUIRED)
target_link_libraries(ttt_platform PUBLIC X11::X11)
file(GLOB_RECURSE qt_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/qt/*.cpp)
add_library(ttt_qt STATIC ${qt_sources})
target_include_directories(ttt_qt PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(ttt_qt PUBLIC ttt_forms ttt_screens ttt_art ttt_platform ttt_cli Qt6::Widgets
  Qt6::Network X11::X11 ${XCB_LIBRARY} PRIVATE ttt_warnings)
set_target_properties(ttt_qt PROPERTIES AUTOMOC ON)

add_executable(orvane-tictactoe ${CMAKE_SOURCE_DIR}/src/main.cpp)
target_link_libraries(orvane-tictactoe PRIVATE ttt_cli ttt_qt ttt_shell ttt_warnings)
add_subdirectory(${CMAKE_SOURCE_DIR}/packaging ${CMAKE_BINARY_DIR}/packaging)
