# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# Prints why each test of the last ctest run was skipped, from the notes the
# tests left in NOTES: ctest itself shows nothing of a skipped test's output.
#
# usage: cmake -DNOTES=<folder> -P skip_notes.cmake
file(GLOB notes LIST_DIRECTORIES FALSE "${NOTES}/*")
foreach(note IN LISTS notes)
    get_filename_component(test "${note}" NAME)
    file(READ "${note}" reason)
    string(STRIP "${reason}" reason)
    message("${test} was skipped: ${reason}")
endforeach()
