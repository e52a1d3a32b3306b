# The Debian package (scripts/package.sh): CPack's DEB generator over the
# install rules, named tubalyzer_<version>_<arch>.deb in the build folder.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "tubalyzer")
set(CPACK_PACKAGE_VERSION "${TUB_PACKAGE_VERSION}")
set(CPACK_PACKAGE_VENDOR "Tubalyzer developers")
set(CPACK_PACKAGE_CONTACT "Tubalyzer developers <maintainers@tubalyzer.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "wind load analysis of telescoping aluminium antenna elements")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Tubalyzer tells an antenna builder how much wind a telescoping aluminium\n"
    "antenna element survives. Half an element is described as tube sections,\n"
    "tip first; with the yield strength, optional radial ice and the wind\n"
    "pressure of EIA-222-C or EIA/TIA-222-E, the program shows a load table\n"
    "with the highest wind speed each joint withstands, the weight and the\n"
    "wind area, beside a side view of the element. Designs are kept in small\n"
    "text files and the table can be printed.\n"
    "\n"
    "The program draws an 80 x 25 text screen in a window, or in the terminal\n"
    "it was started from when there is no display.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION "hamradio")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# Depends from the shared libraries the program actually links
# (dpkg-shlibdeps, from dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE "xz")
# Removal also takes man-db's formatted copy of the manual page.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${PROJECT_SOURCE_DIR}/packaging/prerm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
# Debian's own documentation rules, applied to the staged files at package
# time: the changelog, and the manual page compressed.
set(CPACK_PRE_BUILD_SCRIPTS "${PROJECT_SOURCE_DIR}/cmake/DebianDocs.cmake")
set(CPACK_TUB_CHANGELOG_TIME "${TUB_RELEASE_TIME_RFC2822}")
set(CPACK_TUB_COMMIT "${TUB_COMMIT}")
set(CPACK_TUB_SOURCE_DIR "${PROJECT_SOURCE_DIR}")
set(CPACK_TUB_STRIP "${CMAKE_STRIP}")
set(CPACK_TUB_DOC_DIR "${TUB_DOC_DIR}")
set(CPACK_TUB_MAN_DIR "${CMAKE_INSTALL_MANDIR}")
include(CPack)
