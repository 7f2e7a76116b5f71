# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# The step behind pagetop_add_header_page:
#   cmake -DPAGETOP=<tool> -DMERGED=<file> -DOUTPUT=<file> [-DDEPFILE=<file>] -P this file
# The page is written beside OUTPUT and renamed into place only once pagetop
# has succeeded. A failed run leaves no page at all, neither a half-written
# one nor the last build's, which belongs to another merged file.
file(SIZE "${MERGED}" size)
# pagetop keeps the low 32 bits of its argument: past 32 bits the page would
# name another size. Two tests, since each CMake fails one: Windows CMake's
# file(SIZE) keeps only the low 32 bits, and CMake 3.18 reads nothing at
# offset 4294967295, where a file too large for the page has a byte.
file(READ "${MERGED}" last_byte OFFSET 4294967295 LIMIT 1 HEX)
if(size GREATER 4294967295 OR NOT last_byte STREQUAL "")
    if(NOT size GREATER 4294967295)
        set(size "at least 4294967296")
    endif()
    file(REMOVE "${OUTPUT}")
    message(FATAL_ERROR "no header page for ${MERGED}: its size, ${size} bytes, "
        "does not fit in the page's 32-bit size word")
endif()
get_filename_component(folder "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
set(partial "${OUTPUT}.partial")
execute_process(COMMAND "${PAGETOP}" ${size} OUTPUT_FILE "${partial}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    file(REMOVE "${partial}" "${OUTPUT}")
    message(FATAL_ERROR "no header page for ${MERGED}: pagetop ${size} failed (${result})")
endif()
file(RENAME "${partial}" "${OUTPUT}")
if(DEPFILE)
    string(REPLACE " " "\\ " merged "${MERGED}")
    string(REPLACE " " "\\ " output "${OUTPUT}")
    file(WRITE "${DEPFILE}" "${output}: ${merged}\n")
endif()
