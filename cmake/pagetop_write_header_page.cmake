# The step behind pagetop_add_header_page:
#   cmake -DPAGETOP=<tool> -DMERGED=<file> -DOUTPUT=<file> -P this file
# The page is written beside OUTPUT and renamed into place only once pagetop
# has succeeded. A failed run leaves no page at all, neither a half-written
# one nor the last build's, which belongs to another merged file.
file(SIZE "${MERGED}" size)
set(partial "${OUTPUT}.partial")
execute_process(COMMAND "${PAGETOP}" ${size} OUTPUT_FILE "${partial}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    file(REMOVE "${partial}" "${OUTPUT}")
    message(FATAL_ERROR "no header page for ${MERGED}: pagetop ${size} failed (${result})")
endif()
file(RENAME "${partial}" "${OUTPUT}")
