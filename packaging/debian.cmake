# SPDX-FileCopyrightText: 2026 The pagetop authors
# SPDX-License-Identifier: MIT
# The Debian package, as Debian policy wants it: the manual page and the
# changelog gzipped without a name or a time stamp, the copyright in
# Debian's machine-readable format, and a control file with a maintainer and
# an extended description. Whoever builds it sets CPACK_PACKAGE_CONTACT; the
# release script sets the rest that only the built executable can tell
# (Depends) and the time stamps (SOURCE_DATE_EPOCH).
find_program(GZIP gzip REQUIRED)
if(NOT CPACK_PACKAGE_CONTACT)
    message(FATAL_ERROR "Set CPACK_PACKAGE_CONTACT to the package's maintainer: Name <address>")
endif()
# A native package: its changelog is the Debian changelog, one entry for
# this release, dated from SOURCE_DATE_EPOCH when it is set.
string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE ${PROJECT_BINARY_DIR}/changelog
    "pagetop (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
    "  * Release ${PROJECT_VERSION}. Its changes are listed in CHANGELOG.md in\n"
    "    the source, pagetop-${PROJECT_VERSION}.tar.gz.\n\n"
    " -- ${CPACK_PACKAGE_CONTACT}  ${changelog_date}\n")
foreach(file ${manual_page} ${PROJECT_BINARY_DIR}/changelog)
    execute_process(COMMAND ${GZIP} -9nc ${file} OUTPUT_FILE ${file}.gz)
endforeach()
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/pagetop)
install(FILES ${manual_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/debian/copyright ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pagetop)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "header page for a merged firmware or image file")
set(CPACK_PACKAGE_DESCRIPTION [[
pagetop writes the header page that goes in front of a merged file in a
firmware or image build. Given the merged file's size, it prints 512 words
of 32 bits as text, one per line, the size first and 511 zero words after.
.
The package also holds a CMake package with pagetop_add_header_page, which
adds the build rule that writes a merged file's header page.]])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
