# SPDX-License-Identifier: MIT
# cmake --install into an empty prefix puts the game, its desktop entry, its icons and its
# AppStream metainfo where a Linux desktop looks for them, and the desktop's validators accept them.
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

execute_process(COMMAND test -x "${prefix}/bin/gridlark" RESULT_VARIABLE not_executable)
expect_equal("bin/gridlark is executable (test -x status)" "${not_executable}" 0)

set(desktop "${prefix}/share/applications/${GRIDLARK_APP_ID}.desktop")
set(metainfo "${prefix}/share/metainfo/${GRIDLARK_APP_ID}.metainfo.xml")
run(ignored desktop-file-validate "${desktop}")
run(ignored appstreamcli validate --no-net --pedantic "${metainfo}")
# The whole tree: the metainfo's launchable must name a desktop entry that is installed.
run(ignored appstreamcli validate-tree --no-net "${prefix}")

# The desktop entry starts the installed program and names the installed icon. A ';' in a
# value is compared as ',' since CMake takes ';' for a list separator.
file(READ "${desktop}" entry)
foreach(key_value IN ITEMS "Exec=gridlark" "Icon=gridlark" "Categories=Game,SportsGame,")
    string(REGEX MATCH "^[^=]*" key "${key_value}")
    string(REGEX MATCH "\n${key}=([^\n]*)" ignored "${entry}")
    string(REPLACE ";" "," value "${CMAKE_MATCH_1}")
    expect_equal("desktop entry" "${key}=${value}" "${key_value}")
endforeach()

# The metainfo names this release and this home page.
file(READ "${metainfo}" xml)
string(REGEX MATCH "<id>([^<]*)</id>" ignored "${xml}")
expect_equal("metainfo id" "${CMAKE_MATCH_1}" "${GRIDLARK_APP_ID}")
string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]*)</launchable>" ignored "${xml}")
expect_equal("metainfo launchable" "${CMAKE_MATCH_1}" "${GRIDLARK_APP_ID}.desktop")
string(REGEX MATCH "<release version=\"([^\"]*)\"" ignored "${xml}")
expect_equal("newest release in the metainfo" "${CMAKE_MATCH_1}" "${PROJECT_VERSION}")
string(REGEX MATCH "<url type=\"homepage\">([^<]*)</url>" ignored "${xml}")
expect_equal("metainfo home page" "${CMAKE_MATCH_1}" "${HOMEPAGE}")
string(REGEX MATCH "<image>([^<]*)</image>" ignored "${xml}")
expect_match("metainfo screenshot" "${CMAKE_MATCH_1}" "^${HOMEPAGE}.+\\.png$")

# The scalable icon is the drawing itself; each fixed size is that drawing at that size.
set(hicolor "${prefix}/share/icons/hicolor")
file(SHA256 "${ICON_SVG}" drawn)
file(SHA256 "${hicolor}/scalable/apps/gridlark.svg" installed_svg)
expect_equal("installed scalable icon checksum" "${installed_svg}" "${drawn}")
foreach(size IN LISTS GRIDLARK_ICON_SIZES)
    set(png "${hicolor}/${size}x${size}/apps/gridlark.png")
    run(kind file -b "${png}")
    expect_match("file type of ${size}x${size} icon" "${kind}"
                 "^PNG image data, ${size} x ${size}, 8-bit/color RGBA")
    run(ignored "${ICONCHECK}" "${png}" ${size} "${ICON_SVG}")
endforeach()

finish()
