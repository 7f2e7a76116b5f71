# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# Windows x86 (32-bit), run by Debian's 32-bit wine loader (wine32:i386).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(wine_loader wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
