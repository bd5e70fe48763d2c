# SPDX-License-Identifier: MIT
# cmake --install into an empty prefix puts the game, its desktop entry, its icons and its
# AppStream metainfo where a Linux desktop looks for them, the desktop's validators accept them,
# and the metainfo has what the strictest software centres ask for.
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)

set(prefix "${WORK_DIR}/prefix")
file(REMOVE_RECURSE "${WORK_DIR}")
run(ignored "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}")

# Exactly the game's files, nothing more: no simulator, test program or build helper.
file(GLOB_RECURSE installed RELATIVE "${prefix}" "${prefix}/*")
list(SORT installed)
expected_install_files(expected)
expect_equal("installed files" "${installed}" "${expected}")
foreach(path IN LISTS expected)
    expect_file("${prefix}/${path}")
endforeach()

set(game "${prefix}/games/gridlark")
execute_process(COMMAND test -x "${game}" RESULT_VARIABLE not_executable)
expect_equal("games/gridlark is executable (test -x status)" "${not_executable}" 0)

set(desktop "${prefix}/share/applications/${APP_ID}.desktop")
set(metainfo "${prefix}/share/metainfo/${APP_ID}.metainfo.xml")
run(ignored desktop-file-validate "${desktop}")
# Infos may stand; a warning or an error fails.
run(report appstreamcli validate --no-net --pedantic "${metainfo}")
expect_match("metainfo validation" "${report}" "Validation was successful")
if(report MATCHES "(^|\n)[EW]: ")
    fail("metainfo validation has warnings or errors:\n${report}")
endif()
# The whole tree: the metainfo's launchable must name a desktop entry that is installed.
run(ignored appstreamcli validate-tree --no-net "${prefix}")

# The desktop entry starts the installed program by its full path, as a desktop whose PATH
# lacks the games directory needs, and names the installed icon. A ';' in a value is compared
# as ',' since CMake takes ';' for a list separator.
file(READ "${desktop}" entry)
foreach(key_value IN ITEMS "Exec=${game}" "TryExec=${game}" "Icon=${APP_ID}"
                           "Categories=Game,SportsGame,")
    string(REGEX MATCH "^[^=]*" key "${key_value}")
    string(REGEX MATCH "\n${key}=([^\n]*)" ignored "${entry}")
    string(REPLACE ";" "," value "${CMAKE_MATCH_1}")
    expect_equal("desktop entry" "${key}=${value}" "${key_value}")
endforeach()
# Started as a launcher would, with a PATH that has no games directory, the game is still up
# when it is stopped two seconds later (timeout's status 124) rather than failing to start.
string(REGEX MATCH "\nExec=([^\n]*)" ignored "${entry}")
separate_arguments(command UNIX_COMMAND "${CMAKE_MATCH_1}")
execute_process(COMMAND env -i PATH=/usr/bin:/bin HOME=${WORK_DIR}/home QT_QPA_PLATFORM=offscreen
                        timeout 2 ${command}
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
expect_equal("status of the desktop entry's command, stopped after 2 s (${errors})" "${status}" 124)

# The metainfo: this release with its date and notes, the home page, a developer with an id,
# the icon named by the application id, pointing input, and a display that holds the window
# (500 x 341 pixels) with its title bar.
file(READ "${metainfo}" xml)
# case | pattern whose first group is the value | expected value as a regular expression
set(metainfo_cases
    "id|<id>([^<]*)</id>|^${APP_ID}$"
    "launchable|<launchable type=\"desktop-id\">([^<]*)</launchable>|^${APP_ID}\\.desktop$"
    "newest release|<release version=\"([^\"]*)\"|^${PROJECT_VERSION}$"
    "its date|<release version=\"[^\"]*\" date=\"([^\"]*)\"|^${RELEASE_DATE}$"
    "its notes|<release [^>]*>[ \n]*<description>[ \n]*(<p>[^<]+)|^<p>."
    "home page|<url type=\"homepage\">([^<]*)</url>|^${HOMEPAGE}$"
    "screenshot|<image>([^<]*)</image>|^${HOMEPAGE}.+\\.png$"
    "developer id|<developer id=\"([^\"]*)\">[ \n]*<name>[^<]+</name>|^${APP_ID}$"
    "icon|<icon type=\"stock\">([^<]*)</icon>|^${APP_ID}$"
    "input|<supports>[ \n]*(<control>[^<]*)</control>|^<control>pointing$"
    "shortest display side|<display_length compare=\"ge\" side=\"shortest\">([0-9]+)<|^[4-9][0-9][0-9]$"
    "longest display side|<display_length compare=\"ge\" side=\"longest\">([0-9]+)<|^[5-9][0-9][0-9]$")
foreach(case IN LISTS metainfo_cases)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 name)
    list(GET fields 1 pattern)
    list(GET fields 2 expected)
    set(CMAKE_MATCH_1 "")
    string(REGEX MATCH "${pattern}" ignored "${xml}")
    expect_match("metainfo ${name}" "${CMAKE_MATCH_1}" "${expected}")
endforeach()
# Software centres cut a longer summary short.
string(REGEX MATCH "<summary>([^<]*)</summary>" ignored "${xml}")
string(LENGTH "${CMAKE_MATCH_1}" summary_length)
if(summary_length EQUAL 0 OR summary_length GREATER 35)
    fail("the metainfo summary \"${CMAKE_MATCH_1}\" has ${summary_length} characters, not 1 to 35")
endif()

# The banner colours read with dark text in a light scheme and white text in a dark one, and
# take their hues from the icon.
foreach(scheme IN ITEMS light dark)
    string(REGEX MATCH "<color type=\"primary\" scheme_preference=\"${scheme}\">(#[0-9a-f]+)<"
           ignored "${xml}")
    set(${scheme} "${CMAKE_MATCH_1}")
endforeach()
run(ignored "${ICONCHECK}" --banner "${ICON_SVG}" "${light}" "${dark}")

# The scalable icon is the drawing itself; each fixed size is that drawing at that size.
set(hicolor "${prefix}/share/icons/hicolor")
file(SHA256 "${ICON_SVG}" drawn)
file(SHA256 "${hicolor}/scalable/apps/${APP_ID}.svg" installed_svg)
expect_equal("installed scalable icon checksum" "${installed_svg}" "${drawn}")
foreach(size IN LISTS GRIDLARK_ICON_SIZES)
    set(png "${hicolor}/${size}x${size}/apps/${APP_ID}.png")
    run(kind file -b "${png}")
    expect_match("file type of ${size}x${size} icon" "${kind}"
                 "^PNG image data, ${size} x ${size}, 8-bit/color RGBA")
    run(ignored "${ICONCHECK}" "${png}" "${ICON_SVG}")
endforeach()

finish()
