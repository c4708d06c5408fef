# The Debian package: `cpack -G DEB` in the build tree writes orvmove_<version>_<arch>.deb
# with everything the install rules put in place, under /usr.
set(ORV_PACKAGE_MAINTAINER "OrvMove developers <orvmove@example.org>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvmove)
set(CPACK_PACKAGE_VENDOR "OrvMove developers")
set(CPACK_PACKAGE_CONTACT "${ORV_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "move editor for a strategy game played by mail")
set(CPACK_PACKAGE_DESCRIPTION [[
OrvMove loads the turn report of the tribe you play, shows its goods, the map
and the game's options, and lets you build your move order by order. It checks
the whole move against the report and saves, loads and copies moves.

orvmove-cli runs the same checks from the command line, for scripts and for
the compilation modes of text editors.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The runtime dependencies (Qt 6, the C++ library, and the sanitizer runtimes in a
# sanitizer build) come from dpkg-shlibdeps reading the programs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# What Debian wants in every package's /usr/share/doc/orvmove: the licence as a
# machine-readable copyright file, and the changelog, gzipped as for the manual pages. The
# package has no Debian revision of its own, so this is the upstream changelog
# ("changelog.gz", not "changelog.Debian.gz"). Its newest entry names the project's version.
set(orv_changelog ${PROJECT_BINARY_DIR}/debian/changelog)
orv_gzipped(${PROJECT_SOURCE_DIR}/doc/debian/changelog ${orv_changelog}.gz)
add_custom_target(orvchangelog ALL DEPENDS ${orv_changelog}.gz)
install(FILES doc/debian/copyright ${orv_changelog}.gz DESTINATION share/doc/orvmove)

include(CPack)
