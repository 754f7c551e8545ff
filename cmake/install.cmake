# Installing: the launcher bin/pimlo, pimlo.x under libexec/pimlo/, the
# desktop entry, the icon, the man page, and under share/pimlo/ the demo
# (lessons, sounds, pimlo.conf) with pimlo.rc and the help file. The
# launcher finds pimlo.x and share/pimlo/ relative to itself, so a tree
# installed under DESTDIR works where it lies. `cpack -G DEB` packs the same
# tree, at the configured prefix (configure with -DCMAKE_INSTALL_PREFIX=/usr
# for a system package).
set(PIMLO_LIBEXEC_DIR ${CMAKE_INSTALL_LIBEXECDIR}/pimlo)
set(PIMLO_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/pimlo)
set(PIMLO_FULL_DATA_DIR ${CMAKE_INSTALL_FULL_DATADIR}/pimlo)
file(RELATIVE_PATH LAUNCHER_TO_LIBEXEC /${CMAKE_INSTALL_BINDIR} /${PIMLO_LIBEXEC_DIR})
file(RELATIVE_PATH LAUNCHER_TO_DATA /${CMAKE_INSTALL_BINDIR} /${PIMLO_SHARE_DIR})

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
configure_file(${packaging}/pimlo.in ${PROJECT_BINARY_DIR}/packaging/pimlo @ONLY)
configure_file(${packaging}/pimlo.1.in ${PROJECT_BINARY_DIR}/packaging/pimlo.1 @ONLY)

install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/pimlo DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS pimlo.x RUNTIME DESTINATION ${PIMLO_LIBEXEC_DIR})
install(FILES ${packaging}/pimlo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/pimlo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${packaging}/pimlo-48.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps
        RENAME pimlo.png)
install(FILES ${PROJECT_BINARY_DIR}/packaging/pimlo.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${PIMLO_SHARE_DIR})

set(CPACK_PACKAGE_NAME pimlo)
set(CPACK_PACKAGE_VENDOR "pimlo")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "flash-card vocabulary trainer for your own lessons")
set(CPACK_PACKAGE_DESCRIPTION
    "pimlo drills the vocabulary lessons you write as plain text files, keeps the history of every answer and asks first what you know least.")
set(CPACK_PACKAGE_CONTACT "pimlo developers <pimlo@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
