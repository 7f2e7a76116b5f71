# pagetop_add_header_page(OUTPUT <file> MERGED <file>)
#
# Adds the build rule that writes into OUTPUT the header page of MERGED.
# Relative paths are taken from the current binary directory. The rule runs
# again when MERGED or the tool changes; hang OUTPUT on a target of your own.
function(pagetop_add_header_page)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "OUTPUT;MERGED" "")
    if(NOT arg_OUTPUT OR NOT arg_MERGED OR arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "usage: pagetop_add_header_page(OUTPUT <file> MERGED <file>)")
    endif()
    get_filename_component(output "${arg_OUTPUT}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")
    get_filename_component(merged "${arg_MERGED}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")
    # CMake itself reads the size, so the rule needs no shell and no stat,
    # and runs the same on Windows.
    add_custom_command(OUTPUT "${output}"
        COMMAND "${CMAKE_COMMAND}"
                "-DPAGETOP=$<TARGET_FILE:pagetop::pagetop>"
                "-DMERGED=${merged}" "-DOUTPUT=${output}"
                -P "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/pagetop_write_header_page.cmake"
        DEPENDS "${merged}" pagetop::pagetop
        COMMENT "Writing the header page of ${arg_MERGED}"
        VERBATIM)
endfunction()
