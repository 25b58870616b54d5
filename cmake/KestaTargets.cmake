# Helpers that turn a folder of sources into a target; every folder holds one subsystem.

# Sources of one folder (not recursive), minus the given file names.
function(kesta_folder_sources out folder)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  foreach(skip IN LISTS ARGN)
    list(FILTER srcs EXCLUDE REGEX "/${skip}$")
  endforeach()
  set(${out} ${srcs} PARENT_SCOPE)
endfunction()

# A GoogleTest program of tests/<folder>, registered with CTest.
function(kesta_test_program folder)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${folder}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  set(target test_${folder})
  add_executable(${target} ${srcs})
  kesta_compile_options(${target})
  target_link_libraries(${target} PRIVATE kesta_test_main)
  target_link_libraries(${target} PRIVATE ${T_LIBS})
  # One CTest entry per program: every GUI test process opens its own display connection and GTK
  # start-up is costly, so tests are not split into a process each.
  add_test(NAME ${folder} COMMAND ${target})
  set_tests_properties(${folder} PROPERTIES ENVIRONMENT "KESTA_FIXTURES=${CMAKE_SOURCE_DIR}/tests/fixtures")
endfunction()
