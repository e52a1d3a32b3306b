# What `cmake --install` puts into the prefix: the program, its desktop
# entry and icons, the AppStream metadata, the manual page, the licence
# notice and the example element files. All names of the desktop
# integration derive from one application id.
include(GNUInstallDirs)

set(TUB_APP_ID "example.tubalyzer.Tubalyzer")
set(TUB_ICON_SIZES 48 128 256)
# Not CMAKE_INSTALL_DOCDIR: that one is named after the project, with a
# capital letter, and the package is "tubalyzer".
set(TUB_DOC_DIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/tubalyzer")
# Folders the installation creates are readable by everyone, whatever the
# umask of whoever installs.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS tubalyzer RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")

set(packaging "${PROJECT_SOURCE_DIR}/packaging")
set(configured "${PROJECT_BINARY_DIR}/packaging")
configure_file("${packaging}/tubalyzer.desktop.in" "${configured}/${TUB_APP_ID}.desktop" @ONLY)
configure_file("${packaging}/tubalyzer.metainfo.xml.in" "${configured}/${TUB_APP_ID}.metainfo.xml"
               @ONLY)
configure_file("${packaging}/tubalyzer.1.in" "${configured}/tubalyzer.1" @ONLY)

install(FILES "${configured}/${TUB_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/applications")
install(FILES "${configured}/${TUB_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/metainfo")
install(FILES "${configured}/tubalyzer.1" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES "${packaging}/copyright" DESTINATION "${TUB_DOC_DIR}")
install(FILES "${packaging}/examples/DIR20M.ELE" "${packaging}/examples/TEST20M.ELE"
        DESTINATION "${TUB_DOC_DIR}/examples")

# The icons are drawn by a generator built for this machine.
add_subdirectory("${PROJECT_SOURCE_DIR}/tools/icongen" "${PROJECT_BINARY_DIR}/tools/icongen")
