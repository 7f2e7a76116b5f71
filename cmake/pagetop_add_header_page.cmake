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
# step writes MERGED, in any directory, or more files. A custom target only
# tells the build that MERGED changed through its BYPRODUCTS, so one named
# in DEPENDS must list MERGED there. Calls the page could trail by a build
# are refused at configure time, at the end of the top-level CMakeLists.txt
# (before CMake 3.20: at the call, so define the maker before it).
#
# The page holds the size in one 32-bit word: a MERGED of more than
# 4294967295 bytes stops the build, and so does a failed pagetop run, with
# pagetop's own message. Either way no OUTPUT is left behind.
function(pagetop_add_header_page)
    set(usage "usage: pagetop_add_header_page(OUTPUT <file> MERGED <file> [DEPENDS <target or file>...])")
    # add_custom_command's keywords, which must not reach it from DEPENDS.
    set(command_keywords APPEND ARGS BYPRODUCTS CODEGEN COMMAND COMMAND_EXPAND_LISTS COMMENT
        DEPENDS_EXPLICIT_ONLY DEPFILE IMPLICIT_DEPENDS JOB_POOL JOB_SERVER_AWARE MAIN_DEPENDENCY
        POST_BUILD PRE_BUILD PRE_LINK TARGET USES_TERMINAL VERBATIM WORKING_DIRECTORY)
    # Parsed by hand, to say what is wrong with a bad call.
    set(keyword "")
    foreach(word IN LISTS ARGV)
        if(word MATCHES "^(OUTPUT|MERGED|DEPENDS)$")
            if(DEFINED arg_${word})
                message(FATAL_ERROR "pagetop_add_header_page: ${word} is given twice\n${usage}")
            endif()
            set(keyword ${word})
            set(arg_${word} "")
        elseif(word IN_LIST command_keywords)
            message(FATAL_ERROR "pagetop_add_header_page: ${word} is not one of its keywords, "
                "and DEPENDS takes only targets and files\n${usage}")
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
    # The page would overwrite the very file it is the page of.
    if(output STREQUAL merged)
        message(FATAL_ERROR "pagetop_add_header_page: OUTPUT and MERGED are the same file, ${output}")
    endif()
    # Two rules for one OUTPUT: whichever ran last would win, silently.
    get_property(outputs GLOBAL PROPERTY pagetop_header_pages)
    if(output IN_LIST outputs)
        message(FATAL_ERROR "pagetop_add_header_page: another call writes OUTPUT ${output} already")
    endif()
    set_property(GLOBAL APPEND PROPERTY pagetop_header_pages "${output}")

    # How the rule learns that MERGED changed. Makefiles and the IDE
    # generators check MERGED itself once its makers have run, and so does
    # Ninja where a rule declares MERGED. Ninja stops before it builds
    # anything when an input is a file that no rule makes, as when a
    # POST_BUILD step writes MERGED without naming it in BYPRODUCTS: there
    # the rule follows the makers named in DEPENDS, and learns of MERGED from
    # a depfile that the step writes (from CMake 3.20 on).
    set(depfile "")
    set(depfile_args "")
    if(NOT arg_DEPENDS OR NOT CMAKE_GENERATOR MATCHES "Ninja")
        set(merged_file "${merged}")
    elseif(CMAKE_VERSION VERSION_LESS 3.20)
        set(merged_file "")
        foreach(maker IN LISTS arg_DEPENDS)
            if(TARGET "${maker}")
                get_source_file_property(declared "${merged}" TARGET_DIRECTORY "${maker}" GENERATED)
                if(declared)
                    set(merged_file "${merged}")
                endif()
            endif()
        endforeach()
    else()
        set(merged_file "")
        string(MD5 name "${output}")
        set(depfile "${CMAKE_CURRENT_BINARY_DIR}/CMakeFiles/pagetop/${name}.d")
        set(depfile_args DEPFILE "${depfile}")
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

    # Whether MERGED's makers tell the rule of every change, once every
    # target and its BYPRODUCTS are known.
    if(CMAKE_VERSION VERSION_LESS 3.20)
        _pagetop_check_makers("${arg_MERGED}" "${merged}" "${CMAKE_CURRENT_SOURCE_DIR}" ${arg_DEPENDS})
    else()
        # A deferred call takes its arguments as written: spell them out.
        set(call "cmake_language(DEFER DIRECTORY [==[${CMAKE_SOURCE_DIR}]==] CALL _pagetop_check_makers")
        foreach(argument IN ITEMS "${arg_MERGED}" "${merged}" "${CMAKE_CURRENT_SOURCE_DIR}" ${arg_DEPENDS})
            string(APPEND call " [==[${argument}]==]")
        endforeach()
        cmake_language(EVAL CODE "${call})")
    endif()
endfunction()

# _pagetop_check_makers(MERGED_AS_GIVEN MERGED CALLER_DIRECTORY [MAKER...])
function(_pagetop_check_makers merged_as_given merged caller)
    string(GENEX_STRIP "${merged}" plain)
    if(NOT plain STREQUAL merged)
        return() # known only at generate time
    endif()
    set(hint "name its maker in DEPENDS, and where the maker is a custom target, list MERGED in the "
        "BYPRODUCTS of the command that writes it")
    if(ARGN STREQUAL "")
        # A file of the build tree that the caller's folder does not make is
        # made by a step the rule cannot follow.
        get_source_file_property(declared "${merged}" DIRECTORY "${caller}" GENERATED)
        file(RELATIVE_PATH inside "${CMAKE_BINARY_DIR}" "${merged}")
        if(NOT declared AND NOT inside MATCHES "^\\.\\./" AND NOT CMAKE_BINARY_DIR STREQUAL CMAKE_SOURCE_DIR)
            message(FATAL_ERROR "pagetop_add_header_page: MERGED ${merged_as_given} is a file of "
                "the build tree that nothing in ${caller} says it makes, so the page could trail it "
                "by a build: " ${hint} " (a file made before the build: name MERGED itself in DEPENDS)")
        endif()
    endif()
    foreach(maker IN LISTS ARGN)
        if(TARGET "${maker}")
            get_target_property(type "${maker}" TYPE)
            get_source_file_property(declared "${merged}" TARGET_DIRECTORY "${maker}" GENERATED)
            if(type STREQUAL "UTILITY" AND NOT declared)
                message(FATAL_ERROR "pagetop_add_header_page: the custom target ${maker} in DEPENDS "
                    "does not list MERGED ${merged_as_given} in its BYPRODUCTS, so under Ninja "
                    "the page could trail it by a build: " ${hint})
            endif()
        endif()
    endforeach()
endfunction()
