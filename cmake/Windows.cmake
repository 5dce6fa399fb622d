# The Windows build: the core and the command-line tool (and, with a Windows Qt 6, the desktop
# tool). Each platform seam has its Windows side in a "win" folder beside the POSIX file of the
# same name; on Windows that file replaces the POSIX one, so neither side carries #ifdefs.

# Resource scripts (the programs' manifests, icon and version resource).
enable_language(RC)

# morvik.exe runs from a plain folder (no installer, no DLLs beside it): the C++ runtime,
# winpthreads and zlib are linked in (the desktop tool links as its Qt kit does).
set(ZLIB_USE_STATIC_LIBS ON)
set(MORVIK_STATIC_RUNTIME $<$<BOOL:${MINGW}>:-static>)
# SetupAPI for the adapter lookup (the other Win32 libraries the core uses are linked by default).
link_libraries(setupapi)
# Windows 7 and later; the Win32 headers without their min/max macros and rarely used parts.
add_compile_definitions(_WIN32_WINNT=0x0601 WIN32_LEAN_AND_MEAN NOMINMAX)

# POSIX sources that have no Windows counterpart (the termios plumbing of the serial port).
set(MORVIK_POSIX_ONLY_SOURCES PosixSerial.cpp)

# Replaces, in the list named by sources_var, every source of folder that has a namesake in
# folder/win by that namesake, adds the Windows-only sources of folder/win and drops the
# POSIX-only sources.
function(morvik_windows_sources sources_var folder)
  set(sources ${${sources_var}})
  file(GLOB win_sources CONFIGURE_DEPENDS ${folder}/win/*.cpp)
  foreach(win_source IN LISTS win_sources)
    get_filename_component(name ${win_source} NAME)
    list(REMOVE_ITEM sources ${folder}/${name})
  endforeach()
  foreach(name IN LISTS MORVIK_POSIX_ONLY_SOURCES)
    list(REMOVE_ITEM sources ${folder}/${name})
  endforeach()
  list(APPEND sources ${win_sources})
  set(${sources_var} ${sources} PARENT_SCOPE)
endfunction()

# The resources of a Windows program: its manifest (UTF-8 as its code page), the program icon and
# a version resource whose file description is description.
function(morvik_windows_resources target description)
  set(MORVIK_RC_NAME ${target})
  set(MORVIK_RC_DESCRIPTION ${description})
  set(MORVIK_RC_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
  set(MORVIK_RC_ICON ${CMAKE_SOURCE_DIR}/packaging/morvik-tool.ico)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/WindowsProgram.manifest.in ${MORVIK_RC_MANIFEST} @ONLY)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/WindowsProgram.rc.in
                 ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  # The resource compiler does not see that the script includes these.
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${target}.rc PROPERTIES
    OBJECT_DEPENDS "${MORVIK_RC_MANIFEST};${MORVIK_RC_ICON}")
endfunction()
