# What `make package` puts into the Debian package: the program in /usr/bin, its menu entry and
# icon, and the starter files that the first start copies into the user's own Data folder
# (an installed program never writes beside itself).
include(GNUInstallDirs)

install(TARGETS geldlog RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/geldlog.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/geldlog.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The starter files sit where the program looks for them, ../share/geldlog from its folder.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/Data/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/geldlog)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME geldlog)
set(CPACK_PACKAGE_VENDOR "Geldlog")
set(CPACK_PACKAGE_CONTACT "Geldlog <geldlog@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kasboek voor het huishouden")
set(CPACK_PACKAGE_DESCRIPTION
    "Geldlog houdt per maand de inkomsten en uitgaven van een huishouden bij, met totalen en saldo, vaste lasten, afdrukken en een overzicht van alle maanden.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries do not say: the Arial metrics every layout is measured in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_SOURCE_DIR}/build/package)
include(CPack)
