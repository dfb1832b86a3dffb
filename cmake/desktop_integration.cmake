# What a desktop needs of the program: the entry that starts it on files, the MIME types of
# those files, the AppStream metadata and the icon in the sizes the icon theme looks up.
install(FILES ${CMAKE_SOURCE_DIR}/resources/tarvelo.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT tarvelo)
install(FILES ${CMAKE_SOURCE_DIR}/resources/mime/tarvelo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages COMPONENT tarvelo)
set(TARVELO_METAINFO ${CMAKE_BINARY_DIR}/metainfo/org.tarvelo.tarvelo.metainfo.xml)
configure_file(${CMAKE_SOURCE_DIR}/resources/metainfo/org.tarvelo.tarvelo.metainfo.xml
               ${TARVELO_METAINFO} @ONLY)
install(FILES ${TARVELO_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT tarvelo)
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/tarvelo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT tarvelo)

# Bitmaps for the themes and menus that do not draw SVG, rendered from the one drawing.
find_program(RSVG_CONVERT_PROGRAM rsvg-convert REQUIRED)
set(icon_files)
foreach(size 16 32 48 64 128 256)
  set(icon ${CMAKE_BINARY_DIR}/icons/${size}x${size}/tarvelo.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
    COMMAND ${RSVG_CONVERT_PROGRAM} --width ${size} --height ${size} --format png
            --output ${icon} ${CMAKE_SOURCE_DIR}/resources/icons/tarvelo.svg
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/icons/tarvelo.svg VERBATIM)
  list(APPEND icon_files ${icon})
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          COMPONENT tarvelo)
endforeach()
add_custom_target(tarvelo_icons ALL DEPENDS ${icon_files})
