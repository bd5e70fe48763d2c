# SPDX-License-Identifier: MIT
# Run by the install step (cmake --install, cpack): writes the desktop entry with the program's
# full installed path. Each run stages its own copy, so two installs at once cannot mix them.
set(GRIDLARK_GAME "${CMAKE_INSTALL_PREFIX}/${gridlark_program}")
string(RANDOM LENGTH 12 run)
set(entry "${gridlark_staging}/desktop-${run}/${GRIDLARK_APP_ID}.desktop")
configure_file("${gridlark_desktop_template}" "${entry}" @ONLY)
file(INSTALL "${entry}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${gridlark_applications}"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(REMOVE_RECURSE "${gridlark_staging}/desktop-${run}")
