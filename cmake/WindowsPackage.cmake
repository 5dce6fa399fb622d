# What the Windows build hands out: a folder (and a zip of it) with morvik.exe and the standard
# sound files in "wav" beside it, which is where the program looks for them. No installer.
#   cmake --build build/windows --target package     -> build/windows/morvik-tool-<ver>-windows-x64.zip
set(MORVIK_PACKAGE_NAME morvik-tool)

# The program finds its data beside itself.
set(MORVIK_DATA_FROM_PROGRAMS .)
configure_file(${CMAKE_CURRENT_LIST_DIR}/InstallDirs.h.in
               ${CMAKE_BINARY_DIR}/generated/morvik/InstallDirs.h @ONLY)

install(TARGETS morvik RUNTIME DESTINATION .)
if(TARGET morvik-tool)
  install(TARGETS morvik-tool RUNTIME DESTINATION .)
endif()
file(GLOB MORVIK_STANDARD_WAVS ${CMAKE_SOURCE_DIR}/wav/*.wav)
install(FILES ${MORVIK_STANDARD_WAVS} DESTINATION wav)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ${MORVIK_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME ${MORVIK_PACKAGE_NAME}-${PROJECT_VERSION}-windows-x64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
