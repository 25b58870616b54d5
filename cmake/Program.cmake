# The program's layers, each a static library that links only the layers below it:
#   platform <- resources, foundation <- model <- model dialogs <- application services
#   <- panes, converters and the online service <- shell <- kesta32
kesta_layer(kesta_resources resources DEPS kplatform_framework)
include(cmake/EmbedTreePage.cmake)
kesta_layer(kesta_foundation foundation DEPS kplatform_framework)
kesta_layer(kesta_model model DEPS kesta_foundation)
kesta_layer(kesta_model_dialogs model/dialogs DEPS kesta_model)
kesta_layer(kesta_app app DEPS kesta_model_dialogs kesta_resources kplatform_services)
kesta_layer(kesta_treeview treeview DEPS kesta_app PkgConfig::GTK3)
kesta_layer(kesta_textarea textarea DEPS kesta_app)
kesta_layer(kesta_convert convert DEPS kesta_app PkgConfig::JSONCPP)
kesta_layer(kesta_views views DEPS kesta_app PkgConfig::GTK3)
kesta_layer(kesta_online online DEPS kesta_app)
kesta_layer(kesta_shell shell SKIP Main.cpp
            DEPS kesta_treeview kesta_textarea kesta_convert kesta_views kesta_online)

add_executable(kesta32 ${CMAKE_SOURCE_DIR}/shell/Main.cpp)
kesta_compile_options(kesta32)
target_link_libraries(kesta32 PRIVATE kesta_shell)

# The preview's web view, a module beside the program's libraries that the preview loads on first
# use (views/PreviewWebView.h); it alone links the web engine. It sees the views' headers for the
# interface it implements and links none of their code.
kesta_folder_sources(webview_srcs views/webview)
kesta_folder_includes(webview_inc kesta_webview views/webview)
add_library(kesta_webview MODULE ${webview_srcs})
kesta_compile_options(kesta_webview)
target_include_directories(kesta_webview PRIVATE ${webview_inc} $<TARGET_PROPERTY:kesta_views,INTERFACE_INCLUDE_DIRECTORIES>)
target_link_libraries(kesta_webview PRIVATE kesta_wx_webview PkgConfig::GTK3)
target_link_options(kesta_webview PRIVATE -Wl,--version-script=${CMAKE_SOURCE_DIR}/views/webview/PreviewWebView.map)
set_target_properties(kesta_webview PROPERTIES
  PREFIX "lib"
  LINK_DEPENDS ${CMAKE_SOURCE_DIR}/views/webview/PreviewWebView.map
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
add_dependencies(kesta32 kesta_webview)

# Files the program reads as shipped, beside itself in the build tree: the style sheets that exported pages take in
# and the default key file. Installed, they go to share/kesta32 (cmake/Install.cmake).
set(KESTA_SHIPPED_FILES kesta.css kestahtml.css kestavon.key)
foreach(file ${KESTA_SHIPPED_FILES})
  configure_file(${CMAKE_SOURCE_DIR}/resources/${file} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${file} COPYONLY)
endforeach()
