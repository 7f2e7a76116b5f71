# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# find_package(pagetop): the imported executable pagetop::pagetop and the
# function pagetop_add_header_page.
if(CMAKE_VERSION VERSION_LESS 3.18)
    set(pagetop_FOUND FALSE)
    set(pagetop_NOT_FOUND_MESSAGE "pagetop's CMake package needs CMake 3.18 or later, not ${CMAKE_VERSION}")
    return()
endif()
include(${CMAKE_CURRENT_LIST_DIR}/pagetop_add_header_page.cmake)
if(TARGET pagetop::pagetop)
    return() # found before, by another folder
endif()
include(${CMAKE_CURRENT_LIST_DIR}/pagetopTargets.cmake)
# Seen from every folder of the build, as when pagetop comes from source: a
# page rule need not sit in the folder that found the package.
set_property(TARGET pagetop::pagetop PROPERTY IMPORTED_GLOBAL TRUE)
# Said even under QUIET, which FetchContent adds: which pagetop a build runs
# is worth a line, whichever way it came.
get_property(pagetop_location TARGET pagetop::pagetop PROPERTY LOCATION)
message(STATUS "pagetop: using ${pagetop_location}")
unset(pagetop_location)
