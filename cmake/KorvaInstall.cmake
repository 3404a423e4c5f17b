# `make install`: the program, its shipped data tree, the help pages, the
# manual page and the desktop entry with its file types, icon and metainfo.
# An installed program finds share/korva/data beside its bin folder and copies
# it to the user's data folder on the first start (app/data_root.h), and its
# help in share/korva/help (app/help_topics.h).
include(GNUInstallDirs)

install(TARGETS korva RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(EXISTS ${PROJECT_SOURCE_DIR}/data)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/korva/data
          PATTERN ".gitkeep" EXCLUDE)
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/korva/help)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/korva.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES ${PROJECT_SOURCE_DIR}/desktop/korva.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/korva-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME korva.xml)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/korva.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/org.korvana.korva.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
