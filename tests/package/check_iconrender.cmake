# SPDX-License-Identifier: MIT
# The icon renderer draws a picture into a square PNG of the size asked for, keeping its shape,
# and refuses bad sizes, unreadable pictures and unwritable outputs with a status and a reason.
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(wide "${WORK_DIR}/wide.svg")
file(WRITE "${wide}" "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 200 100'>"
                     "<rect width='200' height='100' fill='#2a7'/></svg>\n")
set(broken "${WORK_DIR}/broken.svg")
file(WRITE "${broken}" "<svg xmlns='http://www.w3.org/2000/svg'><rect\n")

# case name | arguments (',' between them) | exit status | what the message says
set(refusals
    "no arguments||2|usage"
    "size not a number|${ICON_SVG},${WORK_DIR}/a.png,big|2|size must be"
    "size below the smallest|${ICON_SVG},${WORK_DIR}/a.png,7|2|from 8 to 1024"
    "size above the largest|${ICON_SVG},${WORK_DIR}/a.png,1025|2|from 8 to 1024"
    "missing picture|${WORK_DIR}/none.svg,${WORK_DIR}/a.png,16|1|cannot read"
    "broken picture|${broken},${WORK_DIR}/a.png,16|1|cannot read"
    "output in a missing directory|${ICON_SVG},${WORK_DIR}/none/a.png,16|1|cannot write")
foreach(case IN LISTS refusals)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 name)
    list(GET fields 1 arguments)
    list(GET fields 2 status)
    list(GET fields 3 reason)
    string(REPLACE "," ";" arguments "${arguments}")
    execute_process(COMMAND "${RENDER}" ${arguments}
                    RESULT_VARIABLE actual ERROR_VARIABLE errors OUTPUT_QUIET)
    expect_equal("${name}: exit status" "${actual}" "${status}")
    expect_match("${name}: message" "${errors}" "${reason}")
endforeach()
if(EXISTS "${WORK_DIR}/a.png")
    fail("a refused rendering left a.png behind")
endif()

# The smallest and largest sizes, and a wide picture drawn centred in its square, unstretched.
foreach(case IN ITEMS "${ICON_SVG}|8" "${ICON_SVG}|1024" "${wide}|64")
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 svg)
    list(GET fields 1 size)
    set(png "${WORK_DIR}/out-${size}.png")
    run(ignored "${RENDER}" "${svg}" "${png}" ${size})
    run(kind file -b "${png}")
    expect_match("file type of ${png}" "${kind}" "^PNG image data, ${size} x ${size}, 8-bit/color RGBA")
    run(ignored "${ICONCHECK}" "${png}" "${svg}")
endforeach()

finish()
