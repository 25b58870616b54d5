# Third-party libraries, wrapped as imported targets whose headers are system headers
# (their warnings are not ours to fix).
# The web view apart: it brings the web engine, which only the preview's module links
# (views/webview), so that the program starts without it.
find_package(wxWidgets 3.2 REQUIRED COMPONENTS webview core base)
set(KESTA_WX_WEBVIEW_LIBRARIES ${wxWidgets_LIBRARIES})
find_package(wxWidgets 3.2 REQUIRED COMPONENTS stc aui html adv core base xml net)
add_library(kesta_wx INTERFACE)
target_include_directories(kesta_wx SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(kesta_wx INTERFACE ${wxWidgets_DEFINITIONS})
target_compile_options(kesta_wx INTERFACE ${wxWidgets_CXX_FLAGS})
target_link_libraries(kesta_wx INTERFACE ${wxWidgets_LIBRARIES})
add_library(kesta_wx_webview INTERFACE)
target_link_libraries(kesta_wx_webview INTERFACE kesta_wx ${KESTA_WX_WEBVIEW_LIBRARIES})

find_package(PkgConfig REQUIRED)
pkg_check_modules(JSONCPP REQUIRED IMPORTED_TARGET jsoncpp)
pkg_check_modules(PCRE2_16 REQUIRED IMPORTED_TARGET libpcre2-16)
find_package(CURL REQUIRED)
find_package(Threads REQUIRED)
