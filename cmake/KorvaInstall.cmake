# `make install`: the program, its shipped data tree, the help pages and the
# desktop entry with its file types and icon.  An installed program finds
# share/korva/data beside its bin folder and copies it to the user's data
# folder on the first start (app/data_root.h).
include(GNUInstallDirs)

install(TARGETS korva RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(EXISTS ${PROJECT_SOURCE_DIR}/data)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/korva/data
          PATTERN ".gitkeep" EXCLUDE)
endif()
if(EXISTS ${PROJECT_SOURCE_DIR}/help)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/korva/help)
endif()

install(FILES ${PROJECT_SOURCE_DIR}/desktop/korva.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/korva-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME korva.xml)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/korva.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
