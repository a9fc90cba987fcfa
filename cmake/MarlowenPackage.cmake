# `cpack -G DEB` in the build folder makes a Debian package of what `cmake --install` puts in place.
set(CPACK_PACKAGE_NAME marlowen)
set(CPACK_PACKAGE_VENDOR "The Marlowen developers")
set(CPACK_PACKAGE_CONTACT "The Marlowen developers <support@marlowen.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.marlowen.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Turns plain-text files into PDF documents, in batches")
set(CPACK_PACKAGE_DESCRIPTION "Marlowen collects text files in a list and converts the checked ones into PDFs \
beside them, with a choice of page size, margins, fonts, encodings, document information, passwords \
and permissions. marlowen-cli does the same from scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_STRIP_FILES ON)
# The libraries the executables link are found by the library scan; what Qt loads at run time is not:
# the platform plugins of X11 and Wayland sessions, the SVG plugins that draw the icons, and xdg-open
# for opening results and web pages.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland, libqt6svg6, xdg-utils")
# The fonts that draw what the page font cannot (fontconfig finds them): TrueType outlines, which
# the PDF library embeds; Noto CJK's are CFF, which it cannot.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-wqy-zenhei")
# The copyright file Debian expects of every package: the programs are MIT-licensed (LICENSE).
install(FILES ${CMAKE_SOURCE_DIR}/docs/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/marlowen)
include(CPack)
