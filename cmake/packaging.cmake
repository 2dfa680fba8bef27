# Packaging: CPack builds a Debian package from the install rules that the
# targets' own CMakeLists declare (tarnvik with its desktop entry and icons
# in src/ui/qt, tarnvik-calc in src/cli, the manual pages, completion,
# guide, metainfo, copyright and changelog in docs). Nothing here names a
# target.
#
#   cmake --build build/release && (cd build/release && cpack -G DEB)
#
# scripts/test-package.sh builds it, runs lintian on it and runs the
# extracted tarnvik-calc.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnvik)
set(CPACK_PACKAGE_VENDOR "Tarnvik")
set(CPACK_PACKAGE_CONTACT "Tarnvik Calculator team <calculator@tarnvik.example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Lines of at most 80 characters, as Debian's description format wants.
set(CPACK_PACKAGE_DESCRIPTION "\
For a sensor type, pipe and gas the calculator shows the flows and
velocities an insertion flow sensor can measure, in the user's unit and at
the user's reference conditions.

The package holds the desktop window (tarnvik) and a command line
(tarnvik-calc) over the same behaviour.")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tarnvik.example.com/")
# Library dependencies (Qt 6, libstdc++) come from dpkg-shlibdeps; the
# window's layout is measured against Liberation Sans, so that font too.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")

include(CPack)
