# Helpers that turn a folder of sources into a target; every folder holds one subsystem.

# Sources of one folder (not recursive), minus the given file names.
function(kesta_folder_sources out folder)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  foreach(skip IN LISTS ARGN)
    list(FILTER srcs EXCLUDE REGEX "/${skip}$")
  endforeach()
  set(${out} ${srcs} PARENT_SCOPE)
endfunction()

# The include directory of one folder's library: the folder's own headers (not those of its
# subfolders), linked under the folder's path, so "model/ATREE.h" is found by whoever links the
# model and by no one else. A header of a higher layer is then simply not there.
function(kesta_folder_includes out name folder)
  set(root ${CMAKE_BINARY_DIR}/include/${name})
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.h)
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${folder})
  foreach(header IN LISTS headers)
    get_filename_component(file ${header} NAME)
    file(CREATE_LINK ${header} ${root}/${folder}/${file} SYMBOLIC)
  endforeach()
  set(${out} ${root} PARENT_SCOPE)
endfunction()

# One layer: a static library of the folder's sources that links only the libraries given
# (those below it) and publishes only its own headers.
#   kesta_layer(<target> <folder> [SKIP file...] [DEPS target...])
function(kesta_layer name folder)
  cmake_parse_arguments(L "" "" "SKIP;DEPS" ${ARGN})
  kesta_folder_sources(srcs ${folder} ${L_SKIP})
  kesta_folder_includes(inc ${name} ${folder})
  if(srcs)
    add_library(${name} STATIC ${srcs})
    kesta_compile_options(${name})
    target_include_directories(${name} PUBLIC ${inc})
    target_link_libraries(${name} PUBLIC ${L_DEPS})
    target_precompile_headers(${name} REUSE_FROM kesta_pch)
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${inc})
    target_link_libraries(${name} INTERFACE ${L_DEPS})
  endif()
endfunction()

# Tests and benchmarks include their own helpers by path from the source root ("tests/...",
# "bench/..."), without putting the source root itself on the include path.
set(KESTA_HARNESS_INCLUDE ${CMAKE_BINARY_DIR}/include/kesta_harness)
file(MAKE_DIRECTORY ${KESTA_HARNESS_INCLUDE})
foreach(dir tests bench)
  if(NOT EXISTS ${KESTA_HARNESS_INCLUDE}/${dir})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${dir} ${KESTA_HARNESS_INCLUDE}/${dir} SYMBOLIC)
  endif()
endforeach()

# A GoogleTest program of tests/<folder> (test_<folder>, "/" written "_"), registered with CTest.
function(kesta_test_program folder)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${folder}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  string(REPLACE "/" "_" target test_${folder})
  add_executable(${target} ${srcs})
  kesta_compile_options(${target})
  target_include_directories(${target} PRIVATE ${KESTA_HARNESS_INCLUDE})
  target_link_libraries(${target} PRIVATE kesta_test_main)
  target_link_libraries(${target} PRIVATE ${T_LIBS})
  # One CTest entry per program: every GUI test process opens its own display connection and GTK
  # start-up is costly, so tests are not split into a process each.
  add_test(NAME ${folder} COMMAND ${target})
  set_tests_properties(${folder} PROPERTIES ENVIRONMENT
    "KESTA_FIXTURES=${CMAKE_SOURCE_DIR}/tests/fixtures;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:suppressions=${CMAKE_SOURCE_DIR}/tests/common/ubsan.supp")
endfunction()
