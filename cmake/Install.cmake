# `cmake --install <build> --prefix <dir>`: the build tree's layout under the prefix (bin/kesta32,
# lib/*.so found through $ORIGIN/../lib), the shipped files in share/kesta32, where the program
# looks for them from its own place, and what a desktop needs to offer it for ".kvn" files.
install(TARGETS kesta32 RUNTIME DESTINATION bin)
install(TARGETS kplatform kesta_webview LIBRARY DESTINATION lib)
if(TARGET Wrila12)
  install(TARGETS Wrila12 LIBRARY DESTINATION lib)
endif()
list(TRANSFORM KESTA_SHIPPED_FILES PREPEND ${CMAKE_SOURCE_DIR}/resources/ OUTPUT_VARIABLE kesta_shipped)
install(FILES ${kesta_shipped} DESTINATION share/kesta32)

set(desktop ${CMAKE_SOURCE_DIR}/resources/desktop)
install(CODE "set(KESTA_DESKTOP_SOURCE \"${desktop}/kesta32.desktop\")
              set(KESTA_DESKTOP_WORK \"${CMAKE_BINARY_DIR}\")
              include(\"${CMAKE_SOURCE_DIR}/cmake/InstallDesktopEntry.cmake\")")
install(FILES ${desktop}/kesta32-mime.xml DESTINATION share/mime/packages RENAME kesta32.xml)
install(FILES ${desktop}/kesta32.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${desktop}/kesta32-48.png DESTINATION share/icons/hicolor/48x48/apps RENAME kesta32.png)
