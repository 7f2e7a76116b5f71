# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# find_package(pagetop): the imported executable pagetop::pagetop and the
# function pagetop_add_header_page.
include(${CMAKE_CURRENT_LIST_DIR}/pagetopTargets.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/pagetop_add_header_page.cmake)
