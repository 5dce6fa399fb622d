# Where `cmake --install` puts each piece on a Linux system: the programs, the standard sounds,
# the desktop entry and its icon, the udev rule for the terminal's cable, the manual pages and the
# bash completion. The Debian package (cmake/DebianPackage.cmake) is made from the same rules.
set(MORVIK_PACKAGE_NAME morvik-tool)
set(CMAKE_INSTALL_DOCDIR share/doc/${MORVIK_PACKAGE_NAME})
include(GNUInstallDirs)

set(MORVIK_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/${MORVIK_PACKAGE_NAME})
set(MORVIK_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

# The programs look for the installed sounds relative to their own folder, so the same build
# serves /usr (the package) and /usr/local (a plain cmake --install).
file(RELATIVE_PATH MORVIK_DATA_FROM_PROGRAMS ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/${MORVIK_PACKAGE_NAME})
configure_file(${CMAKE_CURRENT_LIST_DIR}/InstallDirs.h.in
               ${CMAKE_BINARY_DIR}/generated/morvik/InstallDirs.h @ONLY)

set(MORVIK_INSTALLED_PROGRAMS morvik morvik-sim)
set(MORVIK_MANUAL_PAGES morvik-sim)
if(TARGET morvik-tool)
  list(APPEND MORVIK_INSTALLED_PROGRAMS morvik-tool)
  list(APPEND MORVIK_MANUAL_PAGES morvik-tool)
endif()
install(TARGETS ${MORVIK_INSTALLED_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

file(GLOB MORVIK_STANDARD_WAVS ${CMAKE_SOURCE_DIR}/wav/*.wav)
install(FILES ${MORVIK_STANDARD_WAVS} DESTINATION ${MORVIK_INSTALL_DATADIR}/wav)

if(TARGET morvik-tool)
  install(FILES ${MORVIK_PACKAGING_DIR}/morvik-tool.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${MORVIK_PACKAGING_DIR}/morvik-tool.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${MORVIK_PACKAGING_DIR}/morvik-tool-48.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps RENAME morvik-tool.png)
endif()

# udev reads /usr/lib/udev/rules.d and /usr/local/lib/udev/rules.d alike; the name sorts before
# 73-seat-late.rules, which turns the uaccess tag into the logged-in user's access.
install(FILES ${MORVIK_PACKAGING_DIR}/70-morvik-tool.rules DESTINATION lib/udev/rules.d)

# The operator's guide with the pictures it shows.
file(GLOB MORVIK_GUIDE_PICTURES ${CMAKE_SOURCE_DIR}/docs/*.png)
install(FILES ${CMAKE_SOURCE_DIR}/docs/guide-ja.md ${MORVIK_GUIDE_PICTURES}
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# morvik's manual page and completion are made by the build from the program's declarations of
# its options and commands (src/cli/CMakeLists.txt, cmake/CliReference.cmake).
install(FILES ${CMAKE_BINARY_DIR}/completion/morvik
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${CMAKE_BINARY_DIR}/man/morvik.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Manual pages carry the version and are compressed as Debian expects; both happen when the
# project is configured, so installing or packaging builds nothing.
find_program(MORVIK_GZIP gzip REQUIRED)
foreach(page IN LISTS MORVIK_MANUAL_PAGES)
  set(source ${MORVIK_PACKAGING_DIR}/man/${page}.1.in)
  set(page_file ${CMAKE_BINARY_DIR}/man/${page}.1)
  configure_file(${source} ${page_file} @ONLY)
  execute_process(COMMAND ${MORVIK_GZIP} -9 -n -c ${page_file}
                  OUTPUT_FILE ${page_file}.gz COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${page_file}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
