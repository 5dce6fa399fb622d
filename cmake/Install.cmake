# Where `cmake --install` puts each piece on a Linux system: the programs, the standard sounds,
# the desktop entry, its icon and its software-centre entry, the udev rule for the terminal's
# cable, the manual pages and the bash completion. The Debian package (cmake/DebianPackage.cmake)
# is made from the same rules.
set(MORVIK_PACKAGE_NAME morvik-tool)
set(CMAKE_INSTALL_DOCDIR share/doc/${MORVIK_PACKAGE_NAME})
include(GNUInstallDirs)

set(MORVIK_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/${MORVIK_PACKAGE_NAME})
set(MORVIK_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

# The project's web site, where software centres find it and the screenshots of docs/, and the
# reverse-domain name that software centres know the desktop tool by. The project has no site of
# its own yet: example.org (reserved for examples) stands in until it has.
set(MORVIK_HOMEPAGE "https://example.org/morvik-tool/" CACHE STRING "The project's web site")
set(MORVIK_APPSTREAM_ID org.example.MorvikTool)

# The programs look for the installed sounds relative to their own folder, so the same build
# serves /usr (the package) and /usr/local (a plain cmake --install).
file(RELATIVE_PATH MORVIK_DATA_FROM_PROGRAMS ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/${MORVIK_PACKAGE_NAME})
configure_file(${CMAKE_CURRENT_LIST_DIR}/InstallDirs.h.in
               ${CMAKE_BINARY_DIR}/generated/morvik/InstallDirs.h @ONLY)

set(MORVIK_INSTALLED_PROGRAMS morvik morvik-sim)
set(MORVIK_MANUAL_PAGES morvik morvik-sim)
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
  # The software centres' entry, with the release of this version (dated as the changelog).
  string(TIMESTAMP MORVIK_RELEASE_DAY "%Y-%m-%d" UTC)
  set(metainfo ${CMAKE_BINARY_DIR}/${MORVIK_APPSTREAM_ID}.metainfo.xml)
  configure_file(${MORVIK_PACKAGING_DIR}/morvik-tool.metainfo.xml.in ${metainfo} @ONLY)
  install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# udev reads /usr/lib/udev/rules.d and /usr/local/lib/udev/rules.d alike; the name sorts before
# 73-seat-late.rules, which turns the uaccess tag into the logged-in user's access.
install(FILES ${MORVIK_PACKAGING_DIR}/70-morvik-tool.rules DESTINATION lib/udev/rules.d)

# The operator's guide with the pictures it shows.
file(GLOB MORVIK_GUIDE_PICTURES ${CMAKE_SOURCE_DIR}/docs/*.png)
install(FILES ${CMAKE_SOURCE_DIR}/docs/guide-ja.md ${MORVIK_GUIDE_PICTURES}
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# morvik's bash completion and its Japanese manual page are made by the build from the program's
# declarations of its options and commands (src/cli/CMakeLists.txt, cmake/CliReference.cmake).
install(FILES ${CMAKE_BINARY_DIR}/completion/morvik
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# Manual pages: each program's full page in Japanese, where man looks for it in a Japanese locale,
# and a short English page for every other locale. Each Japanese page is named by one variable. A
# page whose name ends in ".in" gets the version when the project is configured; morvik's is made
# whole by the build from the program's declarations (morvik_reference, src/cli/CMakeLists.txt),
# so the variable names the page in the build folder and manual_pages waits for that target. The
# pages are compressed as Debian expects when the project is built, so installing or packaging
# builds nothing.
set(MORVIK_MANUAL_PAGE_morvik ${CMAKE_BINARY_DIR}/man/ja/morvik.1)
set(MORVIK_MANUAL_PAGE_morvik-tool ${MORVIK_PACKAGING_DIR}/man/morvik-tool.1.in)
set(MORVIK_MANUAL_PAGE_morvik-sim ${MORVIK_PACKAGING_DIR}/man/morvik-sim.1.in)
find_program(MORVIK_GZIP gzip REQUIRED)
set(compressed_pages)
foreach(page IN LISTS MORVIK_MANUAL_PAGES)
  foreach(language ja en)
    if(language STREQUAL "ja")
      set(source ${MORVIK_MANUAL_PAGE_${page}})
      set(destination ${CMAKE_INSTALL_MANDIR}/ja/man1)
    else()
      set(source ${MORVIK_PACKAGING_DIR}/man/en/${page}.1.in)
      set(destination ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
    set(page_file ${CMAKE_BINARY_DIR}/man/${language}/${page}.1)
    if(source MATCHES "\\.in$")
      configure_file(${source} ${page_file} @ONLY)
    else()
      set(page_file ${source})
    endif()
    set(compressed ${CMAKE_BINARY_DIR}/man/${language}/${page}.1.gz)
    add_custom_command(
      OUTPUT ${compressed}
      COMMAND sh -c "\"$1\" -9 -n -c \"$2\" >\"$3\"" sh ${MORVIK_GZIP} ${page_file} ${compressed}
      DEPENDS ${page_file} VERBATIM)
    list(APPEND compressed_pages ${compressed})
    install(FILES ${compressed} DESTINATION ${destination})
  endforeach()
endforeach()
add_custom_target(manual_pages ALL DEPENDS ${compressed_pages})
add_dependencies(manual_pages morvik_reference)
