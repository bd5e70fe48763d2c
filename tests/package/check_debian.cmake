# SPDX-License-Identifier: MIT
# cpack builds a Debian package that declares what the game needs to run on a fresh machine,
# holds the same files as an install into /usr, owned by root with the usual modes, and passes
# lintian's pedantic checks with no error or warning; its program is hardened, and its copyright
# file and changelog describe this licence and this version.
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)

file(REMOVE_RECURSE "${WORK_DIR}")
run(ignored "${CPACK}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}")

# Debian versions carry three parts; a two-part project version gains ".0".
set(version "${PROJECT_VERSION}")
if(version MATCHES "^[0-9]+\\.[0-9]+$")
    string(APPEND version ".0")
endif()
run(arch dpkg --print-architecture)
string(STRIP "${arch}" arch)
set(deb "${WORK_DIR}/gridlark_${version}_${arch}.deb")
file(GLOB debs "${WORK_DIR}/*.deb")
expect_equal("packages built" "${debs}" "${deb}")
if(NOT EXISTS "${deb}")
    finish()
endif()

foreach(field_value IN ITEMS "Package=gridlark" "Version=${version}" "Architecture=${arch}"
                             "Section=games" "Priority=optional" "Homepage=${HOMEPAGE}")
    string(REGEX MATCH "^[^=]*" field "${field_value}")
    run(value dpkg-deb -f "${deb}" ${field})
    string(STRIP "${value}" value)
    expect_equal("control field" "${field}=${value}" "${field_value}")
endforeach()
run(maintainer dpkg-deb -f "${deb}" Maintainer)
expect_match("Maintainer" "${maintainer}" "^[^<>]+ <[^@<>]+@[^@<>]+>\n$")
# A summary line and an extended description below it.
run(description dpkg-deb -f "${deb}" Description)
expect_match("Description" "${description}" "^[^\n]+\n [^\n]+")
string(FIND "${description}" ";" list_separator)
expect_equal("position of a stray ';' in the Description" "${list_separator}" -1)

# Qt and the C++ runtime as dpkg-shlibdeps finds them, and the fonts the windows are drawn in.
run(depends dpkg-deb -f "${deb}" Depends)
string(STRIP "${depends}" depends)
string(REGEX REPLACE " *\\([^)]*\\)" "" names "${depends}")
string(REPLACE ", " ";" names "${names}")
foreach(needed IN ITEMS libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libstdc++6 libc6
                        fonts-liberation fonts-wine)
    if(NOT needed IN_LIST names)
        fail("Depends lacks ${needed}: ${depends}")
    endif()
endforeach()
string(REGEX MATCH "libqt6widgets6 \\(>= ([0-9.]+)" ignored "${depends}")
expect_match("lowest libqt6widgets6 version" "${CMAKE_MATCH_1}" "^6\\.")
# Qt's Wayland platform, so that a Wayland desktop runs the game natively.
run(recommends dpkg-deb -f "${deb}" Recommends)
expect_equal("Recommends" "${recommends}" "qt6-wayland\n")

# Contents: the install tree under /usr, every entry owned by root.
run(listing dpkg-deb -c "${deb}")
string(REGEX REPLACE "\n$" "" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(files)
foreach(line IN LISTS lines)
    if(NOT line MATCHES "^([-dlrwxs]+) root/root +[0-9]+ [-0-9]+ [:0-9]+ \\./(.*)$")
        fail("entry not owned by root, or unreadable: ${line}")
        continue()
    endif()
    set(mode "${CMAKE_MATCH_1}")
    set(path "${CMAKE_MATCH_2}")
    if(NOT path MATCHES "^usr/")
        fail("entry outside /usr: ${path}")
    elseif(mode MATCHES "^-")
        string(REGEX REPLACE "^usr/" "" relative "${path}")
        list(APPEND files "${relative}")
        if(path STREQUAL "usr/games/gridlark")
            expect_equal("mode of /usr/games/gridlark" "${mode}" "-rwxr-xr-x")
        else()
            expect_equal("mode of /${path}" "${mode}" "-rw-r--r--")
        endif()
    endif()
endforeach()
list(SORT files)
expected_install_files(expected)
expect_equal("files in the package below /usr" "${files}" "${expected}")

# Infos may stand; the output lists them.
execute_process(COMMAND lintian --pedantic --display-info --fail-on error,warning "${deb}"
                RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE errors)
message(STATUS "lintian --pedantic:\n${report}")
expect_equal("lintian status (${errors})" "${status}" 0)
if(report MATCHES "(^|\n)[EW]: ")
    fail("lintian reports errors or warnings:\n${report}")
endif()

set(root "${WORK_DIR}/root")
run(ignored dpkg-deb -x "${deb}" "${root}")
# Metainfo, desktop entry and icons as they are packaged.
run(report appstreamcli validate-tree --no-net --pedantic "${root}/usr")
if(report MATCHES "(^|\n)[EW]: ")
    fail("appstreamcli reports errors or warnings:\n${report}")
endif()

# Hardened: position-independent, relocations read-only and bound at start, a stack protector.
# (The checked buffer functions are compiled in too, but the game calls none that has one.)
set(game "${root}/usr/games/gridlark")
run(headers readelf -lhW "${game}")
expect_match("ELF type of the game" "${headers}" "Type: +DYN ")
expect_match("program headers of the game" "${headers}" "GNU_RELRO")
run(dynamic readelf -dW "${game}")
expect_match("dynamic section of the game" "${dynamic}" "\\(FLAGS\\) +BIND_NOW|Flags: NOW")
run(symbols readelf --dyn-syms -W "${game}")
if(NOT symbols MATCHES " __stack_chk_fail@")
    fail("the game imports no __stack_chk_fail: built without a stack protector")
endif()

# The copyright file names the licence and holds its whole text from LICENSE.
set(doc "${root}/usr/share/doc/gridlark")
file(READ "${doc}/copyright" copyright)
file(STRINGS "${LICENSE}" license_lines REGEX "^(Copyright|THE SOFTWARE IS)")
list(GET license_lines 0 holder)
string(REPLACE "Copyright (c) " "" holder "${holder}")
list(GET license_lines 1 warranty)
set(format "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/")
foreach(line IN ITEMS "^Format: ${format}\n"
                      "\nFiles: \\*\nCopyright: ${holder}\nLicense: Expat\n"
                      "\nLicense: Expat\n Permission is hereby granted"
                      "\n \\.\n ${warranty}")
    expect_match("copyright file" "${copyright}" "${line}")
endforeach()

# The newest changelog entry is this version, released on the metainfo's day.
run(changelog gzip -dc "${doc}/changelog.gz")
expect_match("changelog's newest entry" "${changelog}" "^gridlark \\(${version}\\) ")
string(REGEX MATCH "\n -- [^\n]*  ([^\n]+)" ignored "${changelog}")
run(day date -u -d "${CMAKE_MATCH_1}" +%F)
expect_equal("changelog's newest date" "${day}" "${RELEASE_DATE}\n")

finish()
