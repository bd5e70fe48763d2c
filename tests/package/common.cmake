# SPDX-License-Identifier: MIT
# Helpers shared by the package checks. Each failed expectation is reported and counted;
# finish() ends the script with an error when any failed.

cmake_minimum_required(VERSION 3.25)

# The icon sizes come from the build as one text with ',' between them.
string(REPLACE "," ";" GRIDLARK_ICON_SIZES "${ICON_SIZES}")

function(fail message)
    message(SEND_ERROR "${message}")
    get_property(count GLOBAL PROPERTY gridlark_failures)
    math(EXPR count "${count} + 1")
    set_property(GLOBAL PROPERTY gridlark_failures ${count})
endfunction()

# run(<out-var> <command>...): runs a command that must succeed; its standard output lands in
# <out-var>. A command that cannot run or fails stops the check at once.
function(run out)
    execute_process(COMMAND ${ARGN}
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
        string(REPLACE ";" " " shown "${ARGN}")
        message(FATAL_ERROR "`${shown}` failed (${status}):\n${output}\n${errors}")
    endif()
    set(${out} "${output}" PARENT_SCOPE)
endfunction()

function(expect_file path)
    if(NOT EXISTS "${path}" OR IS_DIRECTORY "${path}")
        fail("missing file ${path}")
    endif()
endfunction()

function(expect_equal what actual expected)
    if(NOT "${actual}" STREQUAL "${expected}")
        fail("${what}: got \"${actual}\", expected \"${expected}\"")
    endif()
endfunction()

function(expect_match what text regex)
    if(NOT "${text}" MATCHES "${regex}")
        fail("${what}: \"${text}\" does not match ${regex}")
    endif()
endfunction()

# The paths, relative to the prefix, of everything the game installs.
function(expected_install_files out)
    set(files
        games/gridlark
        share/man/man6/gridlark.6.gz
        share/doc/gridlark/copyright
        share/doc/gridlark/changelog.gz
        share/applications/${APP_ID}.desktop
        share/metainfo/${APP_ID}.metainfo.xml
        share/icons/hicolor/scalable/apps/${APP_ID}.svg)
    foreach(size IN LISTS GRIDLARK_ICON_SIZES)
        list(APPEND files share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    endforeach()
    list(SORT files)
    set(${out} ${files} PARENT_SCOPE)
endfunction()

function(finish)
    get_property(count GLOBAL PROPERTY gridlark_failures)
    if(count GREATER 0)
        message(FATAL_ERROR "${count} expectation(s) failed")
    endif()
endfunction()
