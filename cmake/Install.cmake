# What `cmake --install` puts where (GNUInstallDirs): the program in bin, its help
# file in share/quillmoorads (where the program looks for it), the menu entry,
# the icon in every size and the AppStream metainfo in their standard places.
set(QM_APP_ID org.quillmoor.QuillmoorAds)
set(QM_DATA ${PROJECT_SOURCE_DIR}/data)

install(TARGETS QuillmoorAds RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The help file is made by its own target; installed only where that target exists.
set(QM_HELP_TARGET helpfile CACHE STRING "The target that builds the help file")
set(QM_HELP_FILE ${PROJECT_BINARY_DIR}/quillmoorAds.ahp CACHE FILEPATH "The help file that target builds")
if(TARGET ${QM_HELP_TARGET})
  install(FILES ${QM_HELP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/quillmoorads)
endif()

install(FILES ${QM_DATA}/${QM_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QM_DATA}/${QM_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QM_DATA}/icons/${QM_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${QM_DATA}/icons/${size}x${size}/${QM_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Ledger files (*.qmr) are a MIME type of their own that opens with the program.
install(FILES ${QM_DATA}/${QM_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${QM_APP_ID}.xml)

# The manual page, and the README (with its picture) and licence.
install(FILES ${PROJECT_SOURCE_DIR}/docs/QuillmoorAds.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
set(QM_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quillmoorads)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${QM_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/docs/screenshot.png DESTINATION ${QM_DOC_DIR}/docs)
