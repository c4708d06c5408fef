# ORV_DEB_HARDENING: compile and link with the flags Debian builds its own packages with,
# every hardening feature on (stack protector, format checks, _FORTIFY_SOURCE, full RELRO
# with immediate binding; GCC on Debian makes position-independent programs already).
# For the build a .deb is made from; `dpkg-buildflags` comes with dpkg-dev.
option(ORV_DEB_HARDENING "Compile and link with dpkg-buildflags' hardening flags" OFF)
if(NOT ORV_DEB_HARDENING)
  return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
foreach(kind CXXFLAGS CPPFLAGS LDFLAGS)
  # Run in the source tree, so that -ffile-prefix-map maps its path to "." and the
  # programs do not depend on where the tree was checked out.
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${DPKG_BUILDFLAGS} --get ${kind}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE deb_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endforeach()
# Before the build type's flags, so that a Release build's -O3 wins over dpkg's -O2; a Debug
# build names no level of its own and so is built at -O2.
string(PREPEND CMAKE_CXX_FLAGS "${deb_CPPFLAGS} ${deb_CXXFLAGS} ")
string(PREPEND CMAKE_EXE_LINKER_FLAGS "${deb_LDFLAGS} ")
message(STATUS "Hardening flags: ${deb_CPPFLAGS} ${deb_CXXFLAGS}; linker: ${deb_LDFLAGS}")
