# Installing as Debian desktop programs do, and the .deb built from it.
include(GNUInstallDirs)

install(TARGETS tarvelo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES desktop/tarvelo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES desktop/tarvelo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarvelo)
install(DIRECTORY data/sample/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tarvelo/sample)

set(CPACK_PACKAGE_NAME tarvelo)
set(CPACK_PACKAGE_VENDOR "Tarvelo")
set(CPACK_PACKAGE_CONTACT "Tarvelo <tarvelo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The Qt libraries come from dpkg-shlibdeps; the layout's font is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
include(CPack)
