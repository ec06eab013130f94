# Course files on the desktop: their MIME type (opened with Larkspur, which installs and opens
# them), and its icon, the program's own icon.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${LARKSPUR_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${LARKSPUR_APP_ID}.xml)
install(FILES ${PROJECT_SOURCE_DIR}/tools/artwork/icons/hicolor/scalable/apps/${LARKSPUR_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
        RENAME application-x-larkspur-course.svg)
foreach(size 16 32 48 64 128 256)
    install(FILES
        ${PROJECT_SOURCE_DIR}/tools/artwork/icons/hicolor/${size}x${size}/apps/${LARKSPUR_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/mimetypes
        RENAME application-x-larkspur-course.png)
endforeach()
