# SPDX-License-Identifier: MIT
# Installation into the standard places of a Linux desktop, and the Debian package.
include(GNUInstallDirs)

set(GRIDLARK_APP_ID "org.example.gridlark")
set(GRIDLARK_ICON_SIZES 16 32 48 64 128 256)
set(GRIDLARK_ICON_SVG "${PROJECT_SOURCE_DIR}/assets/icon.svg")

if(NOT TARGET gridlark-iconrender)
    add_subdirectory("${PROJECT_SOURCE_DIR}/tools/iconrender"
                     "${PROJECT_BINARY_DIR}/tools/iconrender")
endif()

# The fixed-size icons are drawn from the one scalable picture while the project builds.
set(gridlark_icon_pngs)
foreach(size IN LISTS GRIDLARK_ICON_SIZES)
    set(png "${PROJECT_BINARY_DIR}/icons/${size}x${size}/apps/gridlark.png")
    add_custom_command(
        OUTPUT "${png}"
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${PROJECT_BINARY_DIR}/icons/${size}x${size}/apps"
        COMMAND "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen
                "$<TARGET_FILE:gridlark-iconrender>" "${GRIDLARK_ICON_SVG}" "${png}" ${size}
        DEPENDS gridlark-iconrender "${GRIDLARK_ICON_SVG}"
        COMMENT "Drawing the ${size}x${size} icon"
        VERBATIM)
    list(APPEND gridlark_icon_pngs "${png}")
    install(FILES "${png}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
endforeach()
add_custom_target(gridlark-icons ALL DEPENDS ${gridlark_icon_pngs})

if(TARGET gridlark)
    install(TARGETS gridlark RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
endif()
install(FILES "${PROJECT_SOURCE_DIR}/packaging/${GRIDLARK_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${PROJECT_SOURCE_DIR}/packaging/${GRIDLARK_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${GRIDLARK_ICON_SVG}"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
        RENAME gridlark.svg)

# cpack -G DEB in the build directory makes gridlark_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gridlark)
set(CPACK_PACKAGE_VENDOR "The Gridlark developers")
set(CPACK_PACKAGE_CONTACT "The Gridlark developers <team@gridlark.example.org>")
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
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "You are the quarterback and you have one button: snap the ball, watch the throw meter fill, "
    "and throw. How close the meter stops to its mark decides whether the pass is complete, "
    "incomplete or intercepted. Games add up to seasons and a career of up to 15 seasons, "
    "with passer ratings, game and season records, a career table and an HTML export.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# The Qt and C++ libraries come from dpkg-shlibdeps; the fonts the windows are drawn in do not.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-wine")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
