# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# pagetop for a build that cross-compiles and takes pagetop's source: the
# header page is written at build time, on the build machine, so the tool
# must be built for the build machine, not for the target. Defines the
# imported executable pagetop::pagetop: a pagetop the user names, or one
# built here in a separate host build.
set(PAGETOP_HOST_EXECUTABLE "" CACHE FILEPATH
    "A pagetop that runs on the build machine; when set, none is built")
set(PAGETOP_HOST_TOOLCHAIN_FILE "" CACHE FILEPATH
    "Toolchain file for the host build of pagetop")
add_executable(pagetop::pagetop IMPORTED GLOBAL)
if(PAGETOP_INSTALL)
    message(WARNING "pagetop: PAGETOP_INSTALL installs nothing in a build for another machine: "
        "the pagetop it runs is a tool of the build, not a part of what the build makes")
endif()

if(PAGETOP_HOST_EXECUTABLE)
    set_target_properties(pagetop::pagetop PROPERTIES IMPORTED_LOCATION "${PAGETOP_HOST_EXECUTABLE}")
    message(STATUS "pagetop: using ${PAGETOP_HOST_EXECUTABLE}")
    return()
endif()

# The host build takes nothing of the target's toolchain: none of the
# parent's compilers, flags or toolchain file, and none of the environment
# variables an SDK's set-up script leaves for them.
if(PAGETOP_HOST_TOOLCHAIN_FILE)
    set(host_compiler -DCMAKE_TOOLCHAIN_FILE=${PAGETOP_HOST_TOOLCHAIN_FILE})
    set(host_compiler_text "the toolchain file ${PAGETOP_HOST_TOOLCHAIN_FILE}")
else()
    find_program(PAGETOP_HOST_CXX_COMPILER NAMES c++ g++ clang++ cl NO_CMAKE_FIND_ROOT_PATH
        DOC "C++ compiler for the host build of pagetop")
    if(NOT PAGETOP_HOST_CXX_COMPILER
       OR (IS_ABSOLUTE "${PAGETOP_HOST_CXX_COMPILER}" AND NOT EXISTS "${PAGETOP_HOST_CXX_COMPILER}"))
        message(FATAL_ERROR
            "pagetop: found no C++ compiler for the build machine, to build the pagetop "
            "this build runs. Set PAGETOP_HOST_CXX_COMPILER (or PAGETOP_HOST_TOOLCHAIN_FILE) "
            "to build one, or PAGETOP_HOST_EXECUTABLE to a pagetop that runs here.")
    endif()
    set(host_compiler -DCMAKE_CXX_COMPILER=${PAGETOP_HOST_CXX_COMPILER})
    set(host_compiler_text ${PAGETOP_HOST_CXX_COMPILER})
endif()

include(ExternalProject)
set(host_dir ${CMAKE_CURRENT_BINARY_DIR}/host)
set(host_pagetop ${host_dir}/bin/pagetop${CMAKE_HOST_EXECUTABLE_SUFFIX})
set(unset_toolchain_environment
    --unset=CC --unset=CXX --unset=CFLAGS --unset=CXXFLAGS --unset=CPPFLAGS
    --unset=LDFLAGS --unset=CMAKE_TOOLCHAIN_FILE)
if(CMAKE_GENERATOR MATCHES "Make")
    # Make shares its job server only with a recipe that runs $(MAKE).
    set(host_build_command "$(MAKE)" pagetop)
else()
    set(host_build_command ${CMAKE_COMMAND} --build <BINARY_DIR> --config Release --target pagetop)
endif()
ExternalProject_Add(pagetop_host
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    PREFIX ${host_dir}
    CMAKE_COMMAND ${CMAKE_COMMAND} -E env ${unset_toolchain_environment} ${CMAKE_COMMAND}
    CMAKE_ARGS
        ${host_compiler}
        -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_MAKE_PROGRAM=${CMAKE_MAKE_PROGRAM}
        # One place for the executable, whether the generator is multi-config
        # or not.
        -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=${host_dir}/bin
        -DCMAKE_RUNTIME_OUTPUT_DIRECTORY_RELEASE=${host_dir}/bin
        -DBUILD_TESTING=OFF
        -DPAGETOP_INSTALL=OFF
    BUILD_COMMAND ${host_build_command}
    # Ninja must know which rule makes the tool the page rules run.
    BUILD_BYPRODUCTS ${host_pagetop}
    INSTALL_COMMAND "")
# Built once, and again only when its source changes: a second build of the
# parent has nothing to do.
ExternalProject_Add_StepDependencies(pagetop_host build
    ${PROJECT_SOURCE_DIR}/CMakeLists.txt ${PROJECT_SOURCE_DIR}/sw/tools/conv/pagetop.cpp)

set_target_properties(pagetop::pagetop PROPERTIES IMPORTED_LOCATION ${host_pagetop})
add_dependencies(pagetop::pagetop pagetop_host)
message(STATUS "pagetop: building a host pagetop with ${host_compiler_text}")
