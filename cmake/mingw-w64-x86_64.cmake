# Windows x86_64. The tests run the tool under wine64 when it is installed;
# WINEDEBUG=-all keeps wine's own notes off the tool's stderr.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

find_program(WINE64 wine64 PATHS /usr/lib/wine)
if(WINE64)
    set(CMAKE_CROSSCOMPILING_EMULATOR env WINEDEBUG=-all ${WINE64})
endif()
