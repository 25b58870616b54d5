# Holds every project include against the layer table (Layers.cmake): a quoted include names a
# header by its path from the source root ("model/ATREE.h"), in the including file's own folder or
# a folder below it; an include that only resolves relative to the including file ("../x/y.h",
# "dialogs/z.h", "y.h") is refused, as is any include of a higher or unrelated folder.
# Headers the build generates are found under the roots given (a folder of generated "<folder>/x.h").
# Run at configure time and as a build step and a test:
#   cmake -DKESTA_SOURCE_DIR=<source root> [-DKESTA_GENERATED_ROOTS=<dir;...>] -P cmake/CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)

# The source tree's top folders, build trees and hidden folders left out.
function(kesta_source_folders out root)
  file(GLOB tops LIST_DIRECTORIES true RELATIVE ${root} ${root}/*)
  set(kept "")
  foreach(top IN LISTS tops)
    if(IS_DIRECTORY ${root}/${top} AND NOT top MATCHES "^(\\.|build$)" AND NOT EXISTS ${root}/${top}/CMakeCache.txt)
      list(APPEND kept ${top})
    endif()
  endforeach()
  set(${out} ${kept} PARENT_SCOPE)
endfunction()

function(kesta_check_layers root generated)
  # Folders below each folder, the table's closure.
  set(folders "")
  foreach(entry IN LISTS KESTA_LAYERS)
    string(REPLACE ":" ";" parts "${entry}")
    list(GET parts 0 folder)
    set(below "")
    list(LENGTH parts n)
    if(n GREATER 1)
      list(GET parts 1 direct)
      string(REPLACE "," ";" direct "${direct}")
      foreach(lower IN LISTS direct)
        if(NOT lower IN_LIST folders)
          message(FATAL_ERROR "Layers.cmake: ${folder} stands on ${lower}, which is not listed before it")
        endif()
        list(APPEND below ${lower} ${below_${lower}})
      endforeach()
      list(REMOVE_DUPLICATES below)
    endif()
    set(below_${folder} ${below})
    list(APPEND folders ${folder})
  endforeach()

  kesta_source_folders(tops ${root})
  set(sources "")
  foreach(top IN LISTS tops)
    file(GLOB_RECURSE found RELATIVE ${root} ${root}/${top}/*.h ${root}/${top}/*.cpp ${root}/${top}/*.cc)
    list(APPEND sources ${found})
  endforeach()

  set(errors "")
  foreach(source IN LISTS sources)
    get_filename_component(folder ${source} DIRECTORY)
    string(REGEX MATCH "^[^/]+" top "${folder}")
    if(top IN_LIST KESTA_HARNESS_FOLDERS)
      set(harness TRUE)
    elseif(folder IN_LIST folders)
      set(harness FALSE)
    else()
      string(APPEND errors "\n  ${source}: folder ${folder}/ has no place in the layer table (cmake/Layers.cmake)")
      continue()
    endif()
    file(STRINGS ${root}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS lines)
      string(REGEX MATCH "[\"<]([^\">]*)[\">]" _ "${line}")
      set(header "${CMAKE_MATCH_1}")
      if(line MATCHES "#[ \t]*include[ \t]*<")
        # A system or library header, unless it names one of ours.
        string(REGEX MATCH "^[^/]+" first "${header}")
        if(NOT EXISTS ${root}/${header} OR NOT IS_DIRECTORY ${root}/${first})
          continue()
        endif()
      endif()
      get_filename_component(target ${header} DIRECTORY)
      set(exists FALSE)
      foreach(dir IN ITEMS ${root} ${generated})
        if(EXISTS ${dir}/${header})
          set(exists TRUE)
        endif()
      endforeach()
      if(header MATCHES "(^|/)\\.\\.?/" OR target STREQUAL "")
        string(APPEND errors "\n  ${source}: #include \"${header}\" reaches relative to the file; name it by its path from the source root")
      elseif(NOT exists AND EXISTS ${root}/${folder}/${header})
        string(APPEND errors "\n  ${source}: #include \"${header}\" reaches relative to the file into ${folder}/${target}/; name it by its path from the source root")
      elseif(NOT exists)
        string(APPEND errors "\n  ${source}: #include \"${header}\" is no project header by its path from the source root")
      elseif(harness)
        continue()
      elseif(NOT target STREQUAL folder AND NOT target IN_LIST below_${folder})
        string(APPEND errors "\n  ${source}: #include \"${header}\": ${folder}/ may include only itself and the folders below it, and ${target}/ is not below it")
      endif()
    endforeach()
  endforeach()
  if(errors)
    message(FATAL_ERROR "Includes that break the layers:${errors}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  kesta_check_layers(${KESTA_SOURCE_DIR} "${KESTA_GENERATED_ROOTS}")
endif()

# In the build: a target every target of ours waits for (see kesta_compile_options), which checks
# again whenever a source changes, and the same check at the end of configuring.
if(NOT CMAKE_SCRIPT_MODE_FILE)
  set(KESTA_GENERATED_ROOTS ${CMAKE_BINARY_DIR}/generated/resources)
  set(KESTA_LAYER_CHECK ${CMAKE_COMMAND} -DKESTA_SOURCE_DIR=${CMAKE_SOURCE_DIR}
      "-DKESTA_GENERATED_ROOTS=${KESTA_GENERATED_ROOTS}" -P ${CMAKE_CURRENT_LIST_DIR}/CheckLayers.cmake)
  kesta_source_folders(tops ${CMAKE_SOURCE_DIR})
  set(layered_sources "")
  foreach(top IN LISTS tops)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${top}/*.h ${CMAKE_SOURCE_DIR}/${top}/*.cpp
         ${CMAKE_SOURCE_DIR}/${top}/*.cc)
    list(APPEND layered_sources ${found})
  endforeach()
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/layers.checked
                     COMMAND ${KESTA_LAYER_CHECK}
                     COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/layers.checked
                     DEPENDS ${layered_sources} ${CMAKE_CURRENT_LIST_DIR}/Layers.cmake
                             ${CMAKE_CURRENT_LIST_DIR}/CheckLayers.cmake
                     COMMENT "Checking that every include keeps to the layers")
  add_custom_target(kesta_layers ALL DEPENDS ${CMAKE_BINARY_DIR}/layers.checked)
  cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL kesta_check_layers ${CMAKE_SOURCE_DIR} "${KESTA_GENERATED_ROOTS}")
endif()
