# Installing as Debian desktop programs do, and the .deb built from it.
include(GNUInstallDirs)

install(TARGETS tarvelo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS tarvelo-xlsx RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/tarvelo)
install(FILES desktop/tarvelo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES desktop/tarvelo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES desktop/de.tarvelo.Tarvelo.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES README.md desktop/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarvelo)
install(DIRECTORY data/sample/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tarvelo/sample)

# The manual page and the changelog, compressed as Debian wants them: the
# most, and without a time stamp, so that a rebuild gives the same bytes.
find_program(GZIP gzip REQUIRED)
set(TARVELO_MANUAL ${CMAKE_CURRENT_BINARY_DIR}/tarvelo.1.gz)
set(TARVELO_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${TARVELO_MANUAL}
                   COMMAND ${GZIP} -9n -c ${PROJECT_SOURCE_DIR}/tarvelo.1 > ${TARVELO_MANUAL}
                   DEPENDS ${PROJECT_SOURCE_DIR}/tarvelo.1 VERBATIM)
add_custom_command(OUTPUT ${TARVELO_CHANGELOG}
                   COMMAND ${GZIP} -9n -c ${PROJECT_SOURCE_DIR}/desktop/changelog > ${TARVELO_CHANGELOG}
                   DEPENDS ${PROJECT_SOURCE_DIR}/desktop/changelog VERBATIM)
add_custom_target(tarvelo_documents ALL DEPENDS ${TARVELO_MANUAL} ${TARVELO_CHANGELOG})
# Building the program alone (the viewer's set-up command) builds what its
# installation needs too.
add_dependencies(tarvelo tarvelo_documents)
install(FILES ${TARVELO_MANUAL} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TARVELO_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarvelo)

set(CPACK_PACKAGE_NAME tarvelo)
set(CPACK_PACKAGE_VENDOR "Tarvelo-Entwicklung")
set(CPACK_PACKAGE_CONTACT "Tarvelo-Entwicklung <entwicklung@tarvelo.de>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop viewer for the German hospital catalog of supplementary fees
(Zusatzentgelte, ZE) and the OPS procedure codes that trigger them. Pick a
year, the kind of fee, a ZE group and a ZE, and read the descriptions, the
amount, the triggering OPS codes with their texts and the footnotes; or type
an OPS code and be taken straight to the ZE it triggers. The command line
checks a catalog, rebuilds its OPS assignments and looks codes up.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tarvelo.de")
# The Qt libraries come from dpkg-shlibdeps; the layout's font and Qt's
# German words are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
include(CPack)

# cpack reads file names in the locale's encoding: under LANG=C it cannot
# read the sample's "Fußnoten.txt". This target builds the .deb whatever
# the user's locale.
add_custom_target(deb
                  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ${CMAKE_CPACK_COMMAND} -G DEB
                  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
                  DEPENDS tarvelo tarvelo-xlsx tarvelo_documents
                  USES_TERMINAL)
