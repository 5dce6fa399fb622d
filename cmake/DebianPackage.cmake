# The Debian package: `cpack -G DEB` in a configured and built folder makes
# morvik-tool_<version>_<arch>.deb from the install rules of cmake/Install.cmake.
set(CPACK_PACKAGE_NAME ${MORVIK_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Morvik Tool")
set(CPACK_PACKAGE_CONTACT "Morvik Tool maintainers <morvik-tool@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "settings tool for Morvik touch terminals")
set(CPACK_PACKAGE_DESCRIPTION
    "Identifies a Morvik touch terminal (Slim, Mini, MiniS, MiniSx) over its USB serial cable,\n\
reads and writes its settings, saves and loads settings files, uploads sounds and lamp\n\
patterns, updates firmware, saves maintenance information, fetches the detection log and sets\n\
the clock. Contains the desktop tool morvik-tool, the command-line tool morvik, the terminal\n\
simulator morvik-sim and a udev rule that gives the logged-in user the terminal's cable.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link (Qt 6 Widgets, zlib, the C++ runtime) as dpkg-shlibdeps finds
# them. The windows are Japanese: without a Japanese font they show boxes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk | fonts-ipafont-gothic | fonts-vlgothic")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${MORVIK_PACKAGING_DIR}/debian/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
