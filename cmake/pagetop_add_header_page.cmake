# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# Depfiles name their paths as the build tree sees them, under every generator.
if(POLICY CMP0116)
    cmake_policy(SET CMP0116 NEW)
endif()

# pagetop_add_header_page(OUTPUT <file> MERGED <file> [DEPENDS <target or file>...])
#
# Adds the build rule that writes into OUTPUT the header page of MERGED; hang
# OUTPUT on a target of your own. Relative paths are taken from the current
# binary directory, and OUTPUT's folder is made if need be. OUTPUT and MERGED
# may be generator expressions (CMake 3.24 or later), such as
# $<TARGET_FILE:fw> for MERGED or $<CONFIG>/header.txt for OUTPUT.
#
# The rule runs again when MERGED or the tool changes. DEPENDS names what
# makes MERGED where CMake cannot see it by itself: a target whose POST_BUILD
# step writes MERGED, in any directory, or more files.
#
# The page holds the size in one 32-bit word: a MERGED of more than
# 4294967295 bytes stops the build, and so does a failed pagetop run, with
# pagetop's own message. Either way no OUTPUT is left behind.
function(pagetop_add_header_page)
    set(usage "usage: pagetop_add_header_page(OUTPUT <file> MERGED <file> [DEPENDS <target or file>...])")
    # Parsed by hand, to say what is wrong with a bad call.
    set(keyword "")
    foreach(word IN LISTS ARGV)
        if(word MATCHES "^(OUTPUT|MERGED|DEPENDS)$")
            if(DEFINED arg_${word})
                message(FATAL_ERROR "pagetop_add_header_page: ${word} is given twice\n${usage}")
            endif()
            set(keyword ${word})
            set(arg_${word} "")
        elseif(keyword STREQUAL "DEPENDS" OR (keyword AND "${arg_${keyword}}" STREQUAL ""))
            list(APPEND arg_${keyword} "${word}")
        elseif(word MATCHES "^[A-Z][A-Z_]*$")
            message(FATAL_ERROR "pagetop_add_header_page: unknown keyword ${word}\n${usage}")
        elseif(keyword)
            message(FATAL_ERROR "pagetop_add_header_page: ${keyword} takes one file, "
                "but '${word}' follows '${arg_${keyword}}'\n${usage}")
        else()
            message(FATAL_ERROR "pagetop_add_header_page: '${word}' comes before any keyword\n${usage}")
        endif()
    endforeach()
    foreach(keyword OUTPUT MERGED)
        if("${arg_${keyword}}" STREQUAL "")
            message(FATAL_ERROR "pagetop_add_header_page: ${keyword} <file> is missing\n${usage}")
        endif()
        string(GENEX_STRIP "${arg_${keyword}}" plain)
        if(plain STREQUAL arg_${keyword})
            get_filename_component(path "${arg_${keyword}}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")
        elseif(CMAKE_VERSION VERSION_LESS 3.24)
            message(FATAL_ERROR "pagetop_add_header_page: a generator expression in ${keyword} "
                "needs CMake 3.24 or later")
        else()
            set(path "$<PATH:ABSOLUTE_PATH,NORMALIZE,${arg_${keyword}},${CMAKE_CURRENT_BINARY_DIR}>")
        endif()
        string(TOLOWER ${keyword} variable)
        set(${variable} "${path}")
    endforeach()
    # Ninja stops before it builds anything when an input is a file that no
    # rule makes, as when a POST_BUILD step writes MERGED without naming it
    # in BYPRODUCTS. Where DEPENDS names the maker, the rule learns of
    # MERGED from a depfile that the step writes instead.
    if(arg_DEPENDS AND CMAKE_GENERATOR MATCHES "Ninja" AND NOT CMAKE_VERSION VERSION_LESS 3.20)
        string(MD5 name "${arg_OUTPUT}")
        set(depfile "${CMAKE_CURRENT_BINARY_DIR}/CMakeFiles/pagetop/${name}.d")
        set(merged_file "")
        set(depfile_args DEPFILE "${depfile}")
    else()
        set(depfile "")
        set(merged_file "${merged}")
        set(depfile_args "")
    endif()
    # CMake itself reads the size, so the rule needs no shell and no stat,
    # and runs the same on Windows.
    add_custom_command(OUTPUT "${output}"
        COMMAND "${CMAKE_COMMAND}"
                "-DPAGETOP=$<TARGET_FILE:pagetop::pagetop>"
                "-DMERGED=${merged}" "-DOUTPUT=${output}" "-DDEPFILE=${depfile}"
                -P "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/pagetop_write_header_page.cmake"
        DEPENDS ${merged_file} pagetop::pagetop ${arg_DEPENDS}
        ${depfile_args}
        COMMENT "Writing the header page of ${arg_MERGED}"
        VERBATIM)
endfunction()
