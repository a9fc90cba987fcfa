# `cpack -G DEB` in the build folder makes two Debian packages of what `cmake --install` puts in place:
# marlowen-cli (the converter and its manual page, component "cli") and marlowen (the desktop program,
# component "desktop"), so that the converter installs without the desktop libraries.
set(CPACK_PACKAGE_NAME marlowen)
set(CPACK_PACKAGE_VENDOR "The Marlowen developers")
set(CPACK_PACKAGE_CONTACT "The Marlowen developers <support@marlowen.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.marlowen.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL cli)
if(MARLOWEN_GUI)
  list(APPEND CPACK_COMPONENTS_ALL desktop)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE marlowen)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# The libraries the executables link are found by the library scan; what is only loaded at run time
# is recommended: the fonts the converter draws with (a CJK font for text its page font lacks), and
# for the desktop program Wayland's platform plugin (X11's is in libqt6gui6) and xdg-open, which opens
# results and web pages.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_CLI_PACKAGE_NAME marlowen-cli)
set(CPACK_DEBIAN_CLI_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-wqy-zenhei | fonts-noto-cjk")
set(CPACK_COMPONENT_CLI_DESCRIPTION "Turns plain-text files into PDF documents, from scripts
marlowen-cli converts text files into PDFs beside them, below an output
folder or into one combined PDF, with a choice of page size, margins, fonts,
encodings, headers, line numbers, document information, passwords and
permissions. It reads standard input and writes standard output for pipes.")
set(CPACK_DEBIAN_DESKTOP_PACKAGE_NAME marlowen)
set(CPACK_DEBIAN_DESKTOP_PACKAGE_SECTION text)
set(CPACK_DEBIAN_DESKTOP_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils, fonts-dejavu-core, fonts-wqy-zenhei | fonts-noto-cjk")
set(CPACK_COMPONENT_DESKTOP_DESCRIPTION "Turns plain-text files into PDF documents, in batches
Marlowen collects text files in a list and converts the checked ones into
PDFs, with a choice of page size, margins, fonts, encodings, headers, line
numbers, document information, passwords and permissions. Two progress bars
and a Stop button follow a run; failures are summarised with their reasons.")

# What Debian expects beside the files of each package: the copyright file (the programs are
# MIT-licensed, see LICENSE) and the changelog, compressed like the manual pages.
marlowen_gzip(${CMAKE_SOURCE_DIR}/docs/changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_target(marlowen-changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
foreach(component_package IN ITEMS "cli;marlowen-cli" "desktop;marlowen")
  list(GET component_package 0 component)
  list(GET component_package 1 package)
  if(component STREQUAL desktop AND NOT MARLOWEN_GUI)
    continue()
  endif()
  install(FILES ${CMAKE_SOURCE_DIR}/docs/copyright ${CMAKE_BINARY_DIR}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endforeach()
include(CPack)
