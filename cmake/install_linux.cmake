# What `cmake --install` puts under the prefix on Linux: the program, its
# desktop entry and its icons, nothing else; and the Debian package of them.
include(GNUInstallDirs)

install(TARGETS corvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CORVANE_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size ${CORVANE_PNG_SIZES})
  install(FILES ${CORVANE_ICON_DIR}/corvane-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME corvane.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "鸦巢工坊 <corvane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "MD5 digest of a typed text (as GBK bytes) or a whole file")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries it links: Qt's X11 platform plugin, Qt's own Chinese
# texts (its file dialog) and a CJK font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-wqy-microhei | fonts-noto-cjk")
set(CPACK_STRIP_FILES ON)
# Only the program's own component: no test or benchmark goes in.
set(CPACK_COMPONENTS_ALL Unspecified)
include(CPack)
