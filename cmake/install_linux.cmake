# What `cmake --install` puts under the prefix on Linux: the program, its
# desktop entry, AppStream data, icons, manual page, copyright and
# changelog; and the Debian package of them.
include(GNUInstallDirs)

# One reverse-DNS id names the desktop entry, the AppStream component and the icons.
set(CORVANE_APP_ID org.corvane.Corvane)
set(CORVANE_MAINTAINER "鸦巢工坊 <packages@corvane.org>" CACHE STRING
    "The package's maintainer as Debian writes it, Name <address>")
set(CORVANE_HOMEPAGE "https://corvane.org" CACHE STRING "The project's home page")

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(staged ${CMAKE_BINARY_DIR}/packaging)
configure_file(${packaging}/${CORVANE_APP_ID}.desktop.in ${staged}/${CORVANE_APP_ID}.desktop @ONLY)
configure_file(${packaging}/${CORVANE_APP_ID}.metainfo.xml.in ${staged}/${CORVANE_APP_ID}.metainfo.xml @ONLY)
configure_file(${packaging}/corvane.1.in ${staged}/corvane.1 @ONLY)
configure_file(${packaging}/changelog.in ${staged}/changelog @ONLY)

# Compressed as Debian does it: at most, and without a time stamp.
foreach(file corvane.1 changelog)
  add_custom_command(OUTPUT ${staged}/${file}.gz
    COMMAND gzip -9nc ${staged}/${file} > ${staged}/${file}.gz
    DEPENDS ${staged}/${file})
  list(APPEND compressed ${staged}/${file}.gz)
endforeach()
add_custom_target(corvane_packaging ALL DEPENDS ${compressed})

install(TARGETS corvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${staged}/${CORVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${staged}/${CORVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size ${CORVANE_PNG_SIZES})
  install(FILES ${CORVANE_ICON_DIR}/corvane-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${CORVANE_APP_ID}.png)
endforeach()
install(FILES ${CORVANE_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${CORVANE_APP_ID}.svg)
install(FILES ${staged}/corvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging}/copyright ${staged}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corvane)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${CORVANE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "MD5 digest of a typed text (as GBK bytes) or a whole file")
# The extended description, under the summary.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Corvane is a small window, in Simplified Chinese, that computes the MD5
digest (RFC 1321) of a typed text or of a whole file.
.
A text is digested as its GBK (code page 936) bytes, as many Chinese
systems sign and compare their strings. A file is read byte for byte to
its end, in bounded memory; one that cannot be read, or that changes
while it is read, shows why instead of a digest.
.
A downloaded file dropped on the window or opened with Corvane is checked
against the digest typed into the result box, a checksum file beside it
(such as MD5SUMS) or a digest on the clipboard.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CORVANE_HOMEPAGE}")
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
