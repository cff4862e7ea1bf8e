# `make package`: a Debian package of what `cmake --install` puts under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvora)
set(CPACK_PACKAGE_VENDOR "Mirelta s.r.o.")
set(CPACK_PACKAGE_CONTACT "Mirelta s.r.o. <podpora@mirelta.cz>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Insulation calculator for pipes, ducts, tanks and plane surfaces")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Kelvora answers the questions of technical insulation: heat loss and insulation\n\
 thickness, temperature change along a pipe or duct run, tank cooling, external and\n\
 internal condensation, frost protection of water pipes, sound attenuation in lined\n\
 ducts and the economical insulation thickness. Reports in Czech or English are read\n\
 on screen, printed and exported as PDF; kelvora-cli writes them from scripts.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own buttons and dialogs in Czech.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
# The desktop's menu and document types learn of the new entry.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/debian/triggers)
set(CPACK_STRIP_FILES ON)
include(CPack)
