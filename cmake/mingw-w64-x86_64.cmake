# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# Windows x86_64.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(wine_loader wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
