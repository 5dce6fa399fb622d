# Debian's hardening for the optimised builds: fortified libc calls, the strong stack protector,
# format checks and relocations that are resolved at start-up and then read-only. The flags come
# from dpkg-buildflags, so the programs are built as a Debian maintainer's build would build them.
# Debug and sanitizer builds go without: fortification needs optimisation, and the sanitizers do
# that checking themselves. Without dpkg-buildflags (not a Debian-like system) nothing is added.
option(MORVIK_HARDENING "Add the hardening flags of dpkg-buildflags to optimised builds" ON)

find_program(MORVIK_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT MORVIK_HARDENING OR NOT MORVIK_DPKG_BUILDFLAGS OR MORVIK_SANITIZE OR WIN32
   OR CMAKE_BUILD_TYPE STREQUAL "Debug")
  return()
endif()

# Every hardening feature (bindnow is not on by default). The build type chooses optimisation and
# debug information, and file paths stay absolute so that checkouts in other folders share the
# compiler cache.
set(morvik_buildflags_env
    "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath"
    "DEB_CPPFLAGS_MAINT_STRIP=" "DEB_CXXFLAGS_MAINT_STRIP=-g -O2" "DEB_LDFLAGS_MAINT_STRIP=")
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env ${morvik_buildflags_env} ${MORVIK_DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  set(MORVIK_HARDENING_${kind} ${flags})
endforeach()
add_compile_options(${MORVIK_HARDENING_CPPFLAGS} ${MORVIK_HARDENING_CXXFLAGS})
add_link_options(${MORVIK_HARDENING_LDFLAGS})
list(JOIN MORVIK_HARDENING_CPPFLAGS " " cppflags)
list(JOIN MORVIK_HARDENING_CXXFLAGS " " cxxflags)
list(JOIN MORVIK_HARDENING_LDFLAGS " " ldflags)
message(STATUS "Hardening: ${cppflags} ${cxxflags} ${ldflags}")
