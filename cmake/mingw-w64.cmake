# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# Cross-builds for Windows with MinGW-w64 on Debian's g++-mingw-w64 packages.
# Included by the toolchain file of each processor, which sets
# CMAKE_SYSTEM_PROCESSOR and wine_loader first.
set(CMAKE_SYSTEM_NAME Windows)
set(triple ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_CXX_COMPILER ${triple}-g++)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The tests run the tool under wine where wine is installed and runs here,
# in a wine prefix of the build's own (see wine-run).
find_program(WINE ${wine_loader} HINTS /usr/lib/wine)
if(WINE)
    execute_process(COMMAND ${WINE} --version RESULT_VARIABLE wine_fails OUTPUT_QUIET ERROR_QUIET)
    if(wine_fails EQUAL 0)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run ${CMAKE_BINARY_DIR}/wine ${WINE})
    endif()
endif()
