# What the Windows build hands out: a folder with morvik.exe, and with the desktop tool
# morvik-tool.exe and what it needs beside it (the Qt DLLs, the windows and offscreen platform
# plugins, the Windows style, the mingw runtime, Qt's Japanese texts in "translations"), and the
# standard sound files in "wav", which is where the programs look for them. Handed out as a zip
# and, with the desktop tool, as an NSIS setup program:
#   cmake --build build/windows --target package     -> morvik-tool-<ver>-windows-x64.zip
#   cmake --build build/windows --target installer   -> morvik-tool-<ver>-windows-x64-setup.exe
set(MORVIK_PACKAGE_NAME morvik-tool)
set(MORVIK_PACKAGE_FILE_NAME ${MORVIK_PACKAGE_NAME}-${PROJECT_VERSION}-windows-x64)

# The program finds its data beside itself.
set(MORVIK_DATA_FROM_PROGRAMS .)
configure_file(${CMAKE_CURRENT_LIST_DIR}/InstallDirs.h.in
               ${CMAKE_BINARY_DIR}/generated/morvik/InstallDirs.h @ONLY)

install(TARGETS morvik RUNTIME DESTINATION .)
file(GLOB MORVIK_STANDARD_WAVS ${CMAKE_SOURCE_DIR}/wav/*.wav)
install(FILES ${MORVIK_STANDARD_WAVS} DESTINATION wav)

if(TARGET morvik-tool)
  install(TARGETS morvik-tool RUNTIME DESTINATION .)
  # Qt's imported targets are seen only below where they were found (src/app).
  find_package(Qt6 REQUIRED COMPONENTS Widgets)
  find_package(Qt6 QUIET COMPONENTS Test)

  # The mingw runtime the Qt DLLs and the desktop tool were built against (the posix thread
  # variant), from the cross compiler's own folders.
  set(MORVIK_MINGW_RUNTIME)
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
      message(FATAL_ERROR "The mingw runtime ${dll} was not found beside ${CMAKE_CXX_COMPILER}")
    endif()
    get_filename_component(path ${path} REALPATH)
    list(APPEND MORVIK_MINGW_RUNTIME ${path})
  endforeach()
  # Qt's Japanese texts: the translation files are the same on every platform, so the host Qt's
  # (of the same version) serve.
  find_file(MORVIK_QTBASE_JA qtbase_ja.qm
            PATHS ${QT_HOST_PATH}/share/qt6/translations /usr/share/qt6/translations
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)

  # Folder beside the program -> what goes there.
  set(MORVIK_DEPLOY_FOLDERS . platforms styles translations)
  set(MORVIK_DEPLOY_. $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
      ${MORVIK_MINGW_RUNTIME})
  set(MORVIK_DEPLOY_platforms $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
      $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin>)
  set(MORVIK_DEPLOY_styles $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>)
  set(MORVIK_DEPLOY_translations ${MORVIK_QTBASE_JA})

  # The same files beside the programs of the build folder, so that morvik-tool.exe and the
  # window tests run from there under Wine (the tests also need Qt Test).
  set(copies)
  foreach(folder IN LISTS MORVIK_DEPLOY_FOLDERS)
    install(FILES ${MORVIK_DEPLOY_${folder}} DESTINATION ${folder})
    list(APPEND copies COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/${folder}
         COMMAND ${CMAKE_COMMAND} -E copy_if_different ${MORVIK_DEPLOY_${folder}}
                 ${CMAKE_BINARY_DIR}/${folder})
  endforeach()
  if(TARGET Qt6::Test)
    list(APPEND copies COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Qt6::Test>
         ${CMAKE_BINARY_DIR})
  endif()
  add_custom_target(windows_deploy ${copies} VERBATIM)
  add_dependencies(morvik-tool windows_deploy)

  # The setup program: the install tree staged and packed by makensis (Debian's nsis).
  find_program(MORVIK_MAKENSIS makensis REQUIRED)
  set(MORVIK_INSTALLER ${CMAKE_BINARY_DIR}/${MORVIK_PACKAGE_FILE_NAME}-setup.exe)
  add_custom_command(
    OUTPUT ${MORVIK_INSTALLER}
    COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
            -DSTAGE=${CMAKE_BINARY_DIR}/installer-stage -DOUTPUT=${MORVIK_INSTALLER}
            -DMAKENSIS=${MORVIK_MAKENSIS} -DSCRIPT=${CMAKE_SOURCE_DIR}/packaging/windows/morvik-tool.nsi
            -DICON=${CMAKE_SOURCE_DIR}/packaging/morvik-tool.ico -DVERSION=${PROJECT_VERSION}
            -P ${CMAKE_SOURCE_DIR}/cmake/WindowsInstaller.cmake
    DEPENDS morvik morvik-tool ${CMAKE_SOURCE_DIR}/packaging/windows/morvik-tool.nsi
            ${CMAKE_SOURCE_DIR}/cmake/WindowsInstaller.cmake ${MORVIK_STANDARD_WAVS}
    VERBATIM)
  add_custom_target(installer DEPENDS ${MORVIK_INSTALLER})
endif()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ${MORVIK_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME ${MORVIK_PACKAGE_FILE_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
