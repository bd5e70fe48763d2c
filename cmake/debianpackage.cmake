# SPDX-License-Identifier: MIT
# The Debian package: cpack -G DEB in the build directory makes gridlark_<version>_<arch>.deb
# from the install tree under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gridlark)
set(CPACK_PACKAGE_VENDOR "The Gridlark developers")
set(CPACK_PACKAGE_CONTACT "${GRIDLARK_CONTACT}")
set(CPACK_PACKAGE_VERSION_MAJOR "${PROJECT_VERSION_MAJOR}")
set(CPACK_PACKAGE_VERSION_MINOR "${PROJECT_VERSION_MINOR}")
if(PROJECT_VERSION_PATCH STREQUAL "")
    set(CPACK_PACKAGE_VERSION_PATCH 0)
else()
    set(CPACK_PACKAGE_VERSION_PATCH "${PROJECT_VERSION_PATCH}")
endif()
set(CPACK_PACKAGE_VERSION
    "${CPACK_PACKAGE_VERSION_MAJOR}.${CPACK_PACKAGE_VERSION_MINOR}.${CPACK_PACKAGE_VERSION_PATCH}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "American-football passing game for one player")
# Each line becomes one line of the control file's extended description, which Debian keeps
# within 80 columns.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "You are the quarterback and you have one button: snap the ball, watch the\n"
    "throw meter fill, and throw. How close the meter stops to its mark decides\n"
    "whether the pass is complete, incomplete or intercepted. Games add up to\n"
    "seasons and a career of up to 15 seasons, with passer ratings, game and\n"
    "season records, a career table and an HTML export.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# The Qt and C++ libraries come from dpkg-shlibdeps; the fonts the windows are drawn in do not.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-wine")
# Without Qt's Wayland platform a Wayland desktop runs the game through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
