# Third-party libraries, wrapped as imported targets whose headers are system headers
# (their warnings are not ours to fix).
find_package(wxWidgets 3.2 REQUIRED COMPONENTS webview stc aui html adv core base xml net)
add_library(kesta_wx INTERFACE)
target_include_directories(kesta_wx SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(kesta_wx INTERFACE ${wxWidgets_DEFINITIONS})
target_compile_options(kesta_wx INTERFACE ${wxWidgets_CXX_FLAGS})
target_link_libraries(kesta_wx INTERFACE ${wxWidgets_LIBRARIES})

find_package(PkgConfig REQUIRED)
pkg_check_modules(JSONCPP REQUIRED IMPORTED_TARGET jsoncpp)
pkg_check_modules(PCRE2_16 REQUIRED IMPORTED_TARGET libpcre2-16)
find_package(CURL REQUIRED)
find_package(Threads REQUIRED)
