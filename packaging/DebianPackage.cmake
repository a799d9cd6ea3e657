# cpack -G DEB: orvane-tictactoe_<version>_amd64.deb, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${TTT_PROGRAM_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_CONTACT "Orvane <orvane@orvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "noughts and crosses against the computer or a friend")
# The packaged install runs with DESTDIR under the prefix /usr, whatever the configured one,
# so the install script places the game in /usr/games and the desktop entry names it there.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE http://www.orvane.example/games/)
# The libraries come from the binary (dpkg-shlibdeps); the fonts are found by name at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-comic-neue")
# The two links in the game windows open the web page and a new mail message through
# xdg-open. The game plays without it, so it is recommended, which apt installs by default,
# rather than required of a system that chose to leave it out. On a Wayland desktop the game
# is a native client through Qt's Wayland plugins; without them it runs through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland")
# CPack puts the summary on the first line, above this text.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A small desktop game of noughts and crosses (tic-tac-toe) on a 3 x 3 board.
It opens on a menu from which you start one of two games: one player, where
you play X against the computer and the window keeps a score of your wins
and losses, or two players taking turns at one mouse.
.
Each game asks for the players' names, strikes a completed line through and
announces the result. The game reads no files and saves nothing.")
include(CPack)
