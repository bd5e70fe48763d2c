# SPDX-License-Identifier: MIT
# The hardening Debian builds its own packages with: a position-independent program, stack
# protection, checked buffer functions, and a relocation table made read-only and bound at start.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong -fstack-clash-protection -fcf-protection)
add_link_options(LINKER:-z,relro LINKER:-z,now)
# The checked functions need an optimised build, and the sanitizers replace them with their own.
if(NOT GRIDLARK_SANITIZE AND NOT GRIDLARK_FUZZ)
    add_compile_options($<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
endif()
