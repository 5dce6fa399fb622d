# The core's tests for Windows, run under Wine by scripts/windows_test.sh. Every test folder
# becomes one program as on Linux, made of the test files that need neither the simulator nor a
# POSIX call (the simulator and pseudo-terminals are Linux programs; the Wine round trips of
# windows_test.sh cover the terminal-facing code). Folders with their own CMakeLists (the Qt
# window tests) are left out.

# GoogleTest from Debian's source package, built with the cross compiler and without the
# project's warning options (its code is not ours to keep warning-free).
set(MORVIK_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the Windows build")
get_directory_property(morvik_saved_options COMPILE_OPTIONS)
set_directory_properties(PROPERTIES COMPILE_OPTIONS "")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${MORVIK_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
set_directory_properties(PROPERTIES COMPILE_OPTIONS "${morvik_saved_options}")

set(MORVIK_TESTS_DIR ${CMAKE_SOURCE_DIR}/tests)
# What marks a test file as needing POSIX or the simulator, in it or in a header it includes
# from the test tree.
set(MORVIK_POSIX_ONLY_TEST
    "#include <(unistd|termios|poll|fcntl|pty|pwd|signal|csignal|sys/[a-z]+)\\.h|#include <csignal>|support/(SimProcess|RawTerminal|CliFixture|AfterTerminal|SimTerminal|StderrCapture|DetectionLogRecords|FakeCable|Xmodem|ScopedEnv|FirmwareImageFile)\\.h|setenv|MORVIK_SIM|MORVIK_CLI|PtyPair|LinePeer")

# True (in result_var) when source, or a header of the test tree it includes, matches.
function(morvik_test_needs_posix source result_var)
  file(READ ${source} text)
  string(REGEX MATCHALL "#include \"[^\"]+\"" includes "${text}")
  foreach(include IN LISTS includes)
    string(REGEX REPLACE "#include \"([^\"]+)\"" "\\1" header "${include}")
    get_filename_component(folder ${source} DIRECTORY)
    foreach(candidate ${MORVIK_TESTS_DIR}/${header} ${folder}/${header})
      if(EXISTS ${candidate})
        file(READ ${candidate} header_text)
        string(APPEND text "${header_text}")
      endif()
    endforeach()
  endforeach()
  if(text MATCHES "${MORVIK_POSIX_ONLY_TEST}")
    set(${result_var} TRUE PARENT_SCOPE)
  else()
    set(${result_var} FALSE PARENT_SCOPE)
  endif()
endfunction()

add_library(morvik_test_support_win STATIC
            ${MORVIK_TESTS_DIR}/support/Files.cpp ${MORVIK_TESTS_DIR}/support/Wave.cpp
            ${MORVIK_TESTS_DIR}/support/win/TestEnvironment.cpp)
target_include_directories(morvik_test_support_win PUBLIC ${MORVIK_TESTS_DIR})
target_compile_definitions(morvik_test_support_win PRIVATE
  "MORVIK_SOURCE_PATH=\"${CMAKE_SOURCE_DIR}\"" "MORVIK_BINARY_PATH=\"${CMAKE_BINARY_DIR}\"")
target_link_libraries(morvik_test_support_win PUBLIC morvik_core gtest)

set(MORVIK_WINDOWS_TESTS)
include(${CMAKE_SOURCE_DIR}/cmake/TestFolders.cmake)
morvik_test_folders(${MORVIK_TESTS_DIR} test_dirs test_names)
foreach(dir name IN ZIP_LISTS test_dirs test_names)
  if(EXISTS ${dir}/CMakeLists.txt)
    continue()
  endif()
  file(GLOB candidates CONFIGURE_DEPENDS ${dir}/*.cpp)
  set(test_sources)
  foreach(source IN LISTS candidates)
    morvik_test_needs_posix(${source} needs_posix)
    if(NOT needs_posix)
      list(APPEND test_sources ${source})
    endif()
  endforeach()
  if(NOT test_sources)
    continue()
  endif()
  add_executable(test_${name} ${test_sources})
  target_include_directories(test_${name} PRIVATE ${MORVIK_TESTS_DIR})
  # The environment object must be linked even though nothing refers to it.
  target_link_libraries(test_${name} PRIVATE morvik_core gtest gtest_main
                        -Wl,--whole-archive morvik_test_support_win -Wl,--no-whole-archive)
  target_link_options(test_${name} PRIVATE ${MORVIK_STATIC_RUNTIME})
  list(APPEND MORVIK_WINDOWS_TESTS test_${name})
endforeach()

# The list of test programs, for windows_test.sh.
string(REPLACE ";" "\n" morvik_test_list "${MORVIK_WINDOWS_TESTS}")
file(WRITE ${CMAKE_BINARY_DIR}/windows-tests.txt "${morvik_test_list}\n")
add_custom_target(windows_tests DEPENDS ${MORVIK_WINDOWS_TESTS})

# The window tests that run on both platforms (tests/windows_gui), as a Windows program beside
# morvik-tool.exe and its Qt; scripts/windows_test.sh starts their terminals. Only with the
# desktop tool.
if(TARGET morvik_qt)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  add_library(morvik_test_support_qt_win STATIC ${MORVIK_TESTS_DIR}/support/qt/BoxAnswerer.cpp
              ${MORVIK_TESTS_DIR}/support/qt/MiniWindowDriver.cpp)
  set_target_properties(morvik_test_support_qt_win PROPERTIES AUTOMOC ON)
  target_link_libraries(morvik_test_support_qt_win PUBLIC morvik_qt morvik_test_support_win
                        Qt6::Widgets Qt6::Test gtest)
  add_executable(test_windows_gui ${MORVIK_TESTS_DIR}/windows_gui/WindowsGuiTest.cpp)
  set_target_properties(test_windows_gui PROPERTIES AUTOMOC ON
                                                    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  target_link_libraries(test_windows_gui PRIVATE morvik_test_support_qt_win)
  # The manifest of the desktop tool (UTF-8 as the code page), so that file names behave alike.
  morvik_windows_resources(test_windows_gui "morvik-tool window tests")
  add_dependencies(test_windows_gui windows_deploy)
  add_dependencies(windows_tests test_windows_gui)
endif()
