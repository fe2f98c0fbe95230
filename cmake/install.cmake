# The installed layout (`cmake --install`): the executables in bin/; under share/quorvia/ the resources, laid out
# as the program folder but read only (message and help files of every language with the Italian ones as the
# active ones, the samples and their drawings in the archive draw/, the icons, empty data/ and utl/service/); the
# desktop's menu entry, icon, MIME type of drawing files and AppStream metadata; the licence. The executables find
# share/quorvia relative to themselves, so the layout works wherever it is unpacked.
include(GNUInstallDirs)
set(quorvia_shared ${CMAKE_INSTALL_DATADIR}/quorvia)
set(quorvia_built ${CMAKE_BINARY_DIR}/bin)
# The date of the release PROJECT_VERSION, told in the AppStream metadata.
set(QUORVIA_RELEASE_DATE 2026-12-09)

install(TARGETS quorvia quorvia-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(DIRECTORY resources/msg resources/samples resources/icons resources/data resources/draw resources/utl
        DESTINATION ${quorvia_shared} PATTERN .gitkeep EXCLUDE)
install(FILES ${quorvia_built}/help/ita/help_ita.pdf DESTINATION ${quorvia_shared}/help/ita)
install(FILES ${quorvia_built}/help/eng/help_eng.pdf DESTINATION ${quorvia_shared}/help/eng)
install(FILES ${quorvia_built}/help/ita/help_ita.pdf DESTINATION ${quorvia_shared}/help RENAME help.pdf)
file(GLOB sample_dxfs ${PROJECT_SOURCE_DIR}/resources/samples/*.dxf)
foreach(sample ${sample_dxfs})
  get_filename_component(sample_name ${sample} NAME_WE)
  install(FILES ${quorvia_built}/draw/${sample_name}.dis DESTINATION ${quorvia_shared}/draw)
endforeach()

configure_file(packaging/org.quorvia.quorvia.metainfo.xml.in ${CMAKE_BINARY_DIR}/org.quorvia.quorvia.metainfo.xml
               @ONLY)
install(FILES packaging/quorvia.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/icons/quorvia.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES packaging/quorvia-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME quorvia.xml)
install(FILES ${CMAKE_BINARY_DIR}/org.quorvia.quorvia.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvia RENAME copyright)

# The Debian package (`cpack -G DEB` in the build folder, `make package`). The desktop's caches (menu, MIME types,
# icons) are refreshed by Debian's own triggers on these folders, so the package needs no scripts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvia)
set(CPACK_PACKAGE_VENDOR "The Quorvia developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "prepare machining drawings for a stitching machine")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvia imports two-dimensional drawings from DXF files and turns them into
paths of lines and arcs that the head of a stitching machine runs one after
another: view, simulate, edit and reorder them, keep them in an archive of
drawing files and export bitmaps. quorvia-cli does the same without windows.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorvia developers <developers@quorvia.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The libraries come from dpkg-shlibdeps; the icon themes and Qt's SVG icon engine (a plug-in, loaded at run time)
# are named here. Without Qt's translations its standard buttons and dialogs speak English; without xdg-utils the
# help file may not open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, breeze-icon-theme, hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
include(CPack)
