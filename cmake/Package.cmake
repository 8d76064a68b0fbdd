# The Debian package: `./dev package` runs CPack on the release build. What goes
# in is what the install rules install; its dependencies are found from the
# program's libraries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zez-qm)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "The Zez-QM developers <developers@zez-qm.example.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://zez-qm.example.org/)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "order-entry client for a play-by-mail hex-map wargame")
set(CPACK_PACKAGE_DESCRIPTION
    "Zez-QM opens the turn report the game master sent (plyrdata.N), shows the\n"
    "areas in a grid and on a drawn hex map of 273 areas, and lets the player\n"
    "enter the turn's orders with the mouse, each checked against the rules and\n"
    "drawn as an arrow, then saves the orders file to mail back. It also merges\n"
    "allies' reports, shows allies' orders, keeps the game's history and checks\n"
    "turns from scripts (zez-qm --check). A sample game is included.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt only recommends the plugins that open windows on a desktop.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
