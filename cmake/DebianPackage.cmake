# The Debian package: `cpack -G DEB` in a configured and built folder makes
# morvik-tool_<version>_<arch>.deb from the install rules of cmake/Install.cmake and the files
# Debian asks of every package, below: the copyright file and the changelog. lintian finds no
# error or warning in it, so no tag is overridden (a tag that does not apply would be listed, with
# the reason, in usr/share/lintian/overrides/morvik-tool).

# The project has no address of its own yet: example.org (reserved for examples, so that it can
# never reach anyone) stands in until a packager sets theirs.
set(MORVIK_PACKAGE_MAINTAINER "Morvik Tool developers <morvik-tool@example.org>"
    CACHE STRING "The Maintainer field of the Debian package and of its changelog")

# The copyright file, in Debian's machine-readable form, from the licence in LICENSE.
file(READ ${CMAKE_SOURCE_DIR}/LICENSE license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" copyright_line "${license}")
set(MORVIK_COPYRIGHT ${CMAKE_MATCH_1})
string(FIND "${license}" "Permission is hereby granted" permission_start)
string(SUBSTRING "${license}" ${permission_start} -1 license_text)
string(STRIP "${license_text}" license_text)
string(REPLACE "\n\n" "\n.\n" license_text "${license_text}")
string(REPLACE "\n" "\n " license_text " ${license_text}")
set(MORVIK_LICENSE_TEXT "${license_text}")
configure_file(${MORVIK_PACKAGING_DIR}/debian/copyright.in ${CMAKE_BINARY_DIR}/debian/copyright
               @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The changelog of this native package: one entry for the project's version, dated when the
# project is configured (or at SOURCE_DATE_EPOCH, for a reproducible build).
string(TIMESTAMP MORVIK_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${MORVIK_PACKAGING_DIR}/debian/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog
               @ONLY)
execute_process(COMMAND ${MORVIK_GZIP} -9 -n -c ${CMAKE_BINARY_DIR}/debian/changelog
                OUTPUT_FILE ${CMAKE_BINARY_DIR}/debian/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${CMAKE_BINARY_DIR}/debian/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME ${MORVIK_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Morvik Tool")
set(CPACK_PACKAGE_CONTACT ${MORVIK_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "settings tool for Morvik touch terminals")
# Lines of at most 79 characters, as Debian's tools show them.
set(CPACK_PACKAGE_DESCRIPTION
    "Identifies a Morvik touch terminal (Slim, Mini, MiniS, MiniSx) over its USB\n\
serial cable, reads and writes its settings, saves and loads settings files,\n\
uploads sounds and lamp patterns, updates firmware, saves maintenance\n\
information, fetches the detection log and sets the clock.\n\
.\n\
Contains the desktop tool morvik-tool, the command-line tool morvik, the\n\
terminal simulator morvik-sim and a udev rule that lets the kernel's FTDI\n\
driver take the terminal's cable and gives it to the logged-in user.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${MORVIK_HOMEPAGE})
# The libraries the programs link (Qt 6 Widgets, zlib, the C++ runtime) as dpkg-shlibdeps finds
# them. The windows are Japanese: without a Japanese font they show boxes, and without Qt's own
# Japanese texts (qtbase_ja.qm) its standard buttons and file dialogs are in English. Both are
# recommended rather than required: the programs work without them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-noto-cjk | fonts-ipafont-gothic | fonts-vlgothic, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${MORVIK_PACKAGING_DIR}/debian/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
