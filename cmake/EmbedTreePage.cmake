# The main page template of the framed HTML export, put together from its three sources in
# resources/treepage and carried in the program as a byte array (a resource without a terminating
# zero). Run at configure time; editing a source configures again.
set(treepage ${CMAKE_SOURCE_DIR}/resources/treepage)
set(TREE_PAGE_SOURCES ${treepage}/TreePage.html ${treepage}/TreePage.css ${treepage}/TreePage.js)
set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TREE_PAGE_SOURCES})
file(READ ${treepage}/TreePage.css TREE_PAGE_STYLE)
file(READ ${treepage}/TreePage.js TREE_PAGE_SCRIPT)
string(STRIP "${TREE_PAGE_STYLE}" TREE_PAGE_STYLE)
string(STRIP "${TREE_PAGE_SCRIPT}" TREE_PAGE_SCRIPT)
set(generated ${CMAKE_BINARY_DIR}/generated/resources)
configure_file(${treepage}/TreePage.html ${generated}/TreePage.html @ONLY NEWLINE_STYLE UNIX)
file(READ ${generated}/TreePage.html bytes HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${bytes}")
file(CONFIGURE OUTPUT ${generated}/resources/TreePageTemplate.h CONTENT
"#pragma once
// Generated from resources/treepage by cmake/EmbedTreePage.cmake; edit the sources there.
inline constexpr char kTreePageTemplate[] = {
  ${bytes}
};
")
target_include_directories(kesta_resources PRIVATE ${generated})
