# SPDX-License-Identifier: MIT
# Installation into the standard places of a Linux desktop: the game in the games directory
# (/usr/games for a package), its manual page in section 6, and its desktop entry, icons,
# metainfo, copyright and changelog.
include(GNUInstallDirs)

set(GRIDLARK_INSTALL_GAMESDIR games)
set(GRIDLARK_ICON_SIZES 16 32 48 64 128 256)
set(GRIDLARK_ICON_SVG "${PROJECT_SOURCE_DIR}/assets/icon.svg")
set(packaging "${PROJECT_SOURCE_DIR}/packaging")
set(staging "${PROJECT_BINARY_DIR}/packaging")

# The fixed-size icons are drawn from the one scalable picture while the project builds; every
# icon is named by the application id, as the desktop entry and the metainfo name it.
set(gridlark_icon_pngs)
foreach(size IN LISTS GRIDLARK_ICON_SIZES)
    set(png "${PROJECT_BINARY_DIR}/icons/${size}x${size}/apps/${GRIDLARK_APP_ID}.png")
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

# Debian compresses manual pages and changelogs with gzip -9n: no name or time in the header, so
# the same text always gives the same bytes.
function(gridlark_gzip file)
    add_custom_command(
        OUTPUT "${file}.gz"
        COMMAND gzip -9nkf "${file}"
        DEPENDS "${file}"
        COMMENT "Compressing ${file}"
        VERBATIM)
endfunction()

# The manual page carries this version and its release date.
configure_file("${packaging}/gridlark.6.in" "${staging}/gridlark.6" @ONLY)
gridlark_gzip("${staging}/gridlark.6")
configure_file("${packaging}/changelog" "${staging}/changelog" COPYONLY)
gridlark_gzip("${staging}/changelog")

# The copyright file takes its notice and licence text from LICENSE, the one copy of them, in the
# machine-readable form: the text indented by one space, a lone "." for an empty line.
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" license)
if(NOT license MATCHES "\nCopyright \\(c\\) ([^\n]+)\n\n(.+[^\n])\n*$")
    message(FATAL_ERROR "LICENSE lacks its copyright line or its licence text")
endif()
set(GRIDLARK_COPYRIGHT "${CMAKE_MATCH_1}")
string(REPLACE "\n\n" "\n.\n" license_text "${CMAKE_MATCH_2}")
string(REPLACE "\n" "\n " GRIDLARK_LICENSE_TEXT " ${license_text}")
configure_file("${packaging}/copyright.in" "${staging}/copyright" @ONLY)

add_custom_target(gridlark-packaging ALL DEPENDS
                  ${gridlark_icon_pngs} "${staging}/gridlark.6.gz" "${staging}/changelog.gz")

if(TARGET gridlark)
    install(TARGETS gridlark RUNTIME DESTINATION "${GRIDLARK_INSTALL_GAMESDIR}")
endif()
install(FILES "${staging}/gridlark.6.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
install(FILES "${staging}/copyright" "${staging}/changelog.gz"
        DESTINATION "${CMAKE_INSTALL_DOCDIR}")
install(FILES "${packaging}/${GRIDLARK_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${GRIDLARK_ICON_SVG}"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
        RENAME "${GRIDLARK_APP_ID}.svg")

# The desktop entry is written while installing, when the prefix is known: it starts the game by
# its full path, since a desktop's PATH may lack the games directory.
install(CODE "set(gridlark_desktop_template \"${packaging}/${GRIDLARK_APP_ID}.desktop.in\")
set(gridlark_staging \"${staging}\")
set(GRIDLARK_APP_ID \"${GRIDLARK_APP_ID}\")
set(gridlark_program \"${GRIDLARK_INSTALL_GAMESDIR}/gridlark\")
set(gridlark_applications \"${CMAKE_INSTALL_DATADIR}/applications\")")
install(SCRIPT "${PROJECT_SOURCE_DIR}/cmake/installdesktopentry.cmake")
