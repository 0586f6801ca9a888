# What `make package` puts into the Debian package: the program in /usr/bin, its menu entry,
# icon, AppStream data, manual page and the MIME type of MT940 files, the copyright and changelog,
# and the starter files that the first start copies into the user's own Data folder (an installed
# program never writes beside itself). scripts/check-package runs lintian and the validators on it.
include(GNUInstallDirs)

set(GELDLOG_APPSTREAM_ID nl.geldlog.Geldlog)
set(GELDLOG_HOMEPAGE https://github.com/geldlog/geldlog)
set(GELDLOG_MAINTAINER "De ontwikkelaars van Geldlog <geldlog@geldlog.nl>")

install(TARGETS geldlog RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Debian's hardening: the relocations read-only once the program has started.
target_link_options(geldlog PRIVATE LINKER:-z,relro LINKER:-z,now)
install(FILES ${PROJECT_SOURCE_DIR}/resources/geldlog.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/geldlog.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/resources/${GELDLOG_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/geldlog-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME geldlog.xml)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/geldlog)
# The starter files sit where the program looks for them, ../share/geldlog from its folder.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/Data/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/geldlog)

# The manual page carries the version; it and the changelog go in compressed as Debian wants
# them: the most compression, and no name or time in the header, so the bytes are reproducible.
set(GELDLOG_DOCS ${CMAKE_CURRENT_BINARY_DIR}/package-docs)
configure_file(${PROJECT_SOURCE_DIR}/resources/geldlog.1.in ${GELDLOG_DOCS}/geldlog.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog ${GELDLOG_DOCS}/changelog COPYONLY)
add_custom_command(OUTPUT ${GELDLOG_DOCS}/geldlog.1.gz ${GELDLOG_DOCS}/changelog.gz
    COMMAND gzip -n -9 -k -f ${GELDLOG_DOCS}/geldlog.1 ${GELDLOG_DOCS}/changelog
    DEPENDS ${GELDLOG_DOCS}/geldlog.1 ${GELDLOG_DOCS}/changelog
    VERBATIM)
add_custom_target(geldlog_package_docs ALL
    DEPENDS ${GELDLOG_DOCS}/geldlog.1.gz ${GELDLOG_DOCS}/changelog.gz)
install(FILES ${GELDLOG_DOCS}/geldlog.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${GELDLOG_DOCS}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/geldlog)

# lintian finds no error and no warning. Its infos (lintian --info), left as they are:
# binary-has-unneeded-section .comment: CPack's strip keeps the compiler's version note, which
# does no harm; package-contains-documentation-outside-usr-share-doc: usr/share/geldlog/
# Omschrijving.txt is the starter list of descriptions that the first start copies, not a text
# to read. The manual page is Dutch and stands in man1 itself, since Geldlog has no other.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME geldlog)
set(CPACK_PACKAGE_VENDOR "Geldlog")
set(CPACK_PACKAGE_CONTACT ${GELDLOG_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kasboek voor het huishouden")
set(CPACK_PACKAGE_DESCRIPTION
    "Geldlog houdt per maand de inkomsten en uitgaven van een huishouden bij, met
totalen en saldo, vaste lasten, afdrukken, een overzicht van alle maanden en
het inlezen van de bankafschriften van de Nederlandse banken. Het programma is
geheel in het Nederlands.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${GELDLOG_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Directories 0755 and files 0644 (0755 for the program), whatever the umask of the build.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# What the libraries do not say: the Arial metrics every layout is measured in, and Qt's own
# texts in Dutch.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_SOURCE_DIR}/build/package)
include(CPack)
