# cmake --install: the game, its help viewer and help file when they are
# built, and what a desktop needs to list the game (entry, icons, metainfo,
# manual page). The help file goes to share/quiltrix/help/, where the game
# looks for it from bin/.
include(GNUInstallDirs)

install(TARGETS quiltrix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The sound module is a private library of the game: it looks for it in
# lib/games/quiltrix/ beside its own folder.
if(TARGET quiltrix_audio)
    install(TARGETS quiltrix_audio LIBRARY DESTINATION lib/games/quiltrix)
endif()
if(TARGET quiltrix-help)
    install(TARGETS quiltrix-help RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET quiltrix_help_file AND QUILTRIX_HELP_FILE)
    install(FILES ${QUILTRIX_HELP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/quiltrix/help)
endif()

set(desktop_dir ${PROJECT_SOURCE_DIR}/resources/desktop)
set(app_id ${QUILTRIX_APP_ID})
install(FILES ${desktop_dir}/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${desktop_dir}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# The release and the manual carry the project version.
configure_file(${desktop_dir}/${app_id}.metainfo.xml ${PROJECT_BINARY_DIR}/${app_id}.metainfo.xml
               @ONLY)
configure_file(${desktop_dir}/quiltrix.6.in ${PROJECT_BINARY_DIR}/quiltrix.6 @ONLY)
configure_file(${desktop_dir}/quiltrix-help.6.in ${PROJECT_BINARY_DIR}/quiltrix-help.6 @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${app_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_BINARY_DIR}/quiltrix.6 ${PROJECT_BINARY_DIR}/quiltrix-help.6
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
