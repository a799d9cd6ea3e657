# The program's names and desktop identity, shared by the code (a generated header), the
# desktop entry, the AppStream file and the package. The version is the project's.
set(TTT_PROGRAM_NAME orvane-tictactoe)
set(TTT_DISPLAY_NAME "Orvane's Tic Tac Toe")
set(TTT_PUBLISHER Orvane)  # the company of the Windows program and its installers
set(TTT_APPLICATION_ID example.orvane.TicTacToe)
# The windows' class (WM_CLASS) is the project name, which the desktop entry names; the
# reverse-DNS id is the Wayland application id.
set(TTT_WINDOW_CLASS ${PROJECT_NAME})

set(TTT_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/src/cli/ProgramIdentity.h.in
               ${TTT_GENERATED_DIR}/cli/ProgramIdentity.h @ONLY)
