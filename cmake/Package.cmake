# The Debian package (cpack in a build configured with the "package" preset):
# the program folder under /opt/korvu-n63k, everything else under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvu-n63k)
set(CPACK_PACKAGE_VENDOR Korvu)
set(CPACK_PACKAGE_CONTACT "Korvu N63K developers <n63k@korvu.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configuration program of the Korvu N63K gaming mouse")
set(CPACK_PACKAGE_DESCRIPTION
  "Assigns functions to the controls of the Korvu N63K gaming mouse, sets its DPI stages, report rate and lighting, records on-device macros and keeps five profiles; with the command-line tool n63kctl.")
set(CPACK_PACKAGING_INSTALL_PREFIX /opt/korvu-n63k)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Fonts for Latin and CJK text; xdg-open for the file and folder actions.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-wqy-microhei, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
  ${CMAKE_SOURCE_DIR}/packaging/postinst ${CMAKE_SOURCE_DIR}/packaging/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
