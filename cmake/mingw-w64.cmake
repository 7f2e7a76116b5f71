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
# in a wine prefix of the build's own, never in ~/.wine, and with wine's menu
# builder off, so that nothing lands in ~/.local or ~/.config either.
# WINEDEBUG=-all keeps wine's own notes off the tool's stderr.
#
# Where the kernel runs no 32-bit code, qemu-user runs wine's 32-bit
# programs: the tool itself, and the 32-bit half of a new prefix. A 2 GiB
# address space, what 32-bit Windows gives a program, spares wine's start-up
# a probe of all 4 GiB under emulation: 5 s a run instead of 80. Without
# qemu, QEMU_RESERVED_VA is ignored.
find_program(WINE ${wine_loader} HINTS /usr/lib/wine)
if(WINE)
    execute_process(COMMAND ${WINE} --version RESULT_VARIABLE wine_fails OUTPUT_QUIET ERROR_QUIET)
    if(wine_fails EQUAL 0)
        set(CMAKE_CROSSCOMPILING_EMULATOR
            env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
                QEMU_RESERVED_VA=0x81000000 ${WINE})
    endif()
endif()
