# SPDX-License-Identifier: MIT
# Run by CTest: fails when a C++ file of the project differs from what clang-format, following
# the checked-in .clang-format, makes of it.
#   cmake -DCLANG_FORMAT=PROGRAM -DSOURCE_DIR=DIR -P checkformat.cmake
set(files)
foreach(folder IN ITEMS src tools bench tests fuzz)
    file(GLOB_RECURSE found "${SOURCE_DIR}/${folder}/*.cpp" "${SOURCE_DIR}/${folder}/*.h")
    list(APPEND files ${found})
endforeach()
execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${files} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "These files differ from clang-format's layout; run clang-format -i on them")
endif()
