# Compiler settings shared by every target of ours.
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  # Precompiled headers need these relaxations to be cached at all; paths relative to the source tree
  # let several checkouts of the project share one cache.
  set(CMAKE_CXX_COMPILER_LAUNCHER
      ${CMAKE_COMMAND} -E env CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
      CCACHE_BASEDIR=${CMAKE_SOURCE_DIR} CCACHE_NOHASHDIR=1
      ${CCACHE_PROGRAM})
  set(CMAKE_C_COMPILER_LAUNCHER ${CMAKE_CXX_COMPILER_LAUNCHER})
endif()

if(KESTA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Warnings are errors in our own code; the program and the control keep their text as Shift JIS,
# so narrow literals (UTF-8 in the sources) are compiled to code page 932.
function(kesta_compile_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror -fexec-charset=CP932)
  # Nothing of ours builds before its includes are found to keep to the layers (CheckLayers.cmake).
  add_dependencies(${target} kesta_layers)
  # GCC 12 reports maybe-uninitialized, stringop-overflow and restrict inside libstdc++'s inlined std::string
  # code at -O2 and above (false positives on plain string assignments); the Debug test build keeps
  # the warnings.
  target_compile_options(${target} PRIVATE
                         $<$<NOT:$<CONFIG:Debug>>:-Wno-maybe-uninitialized -Wno-stringop-overflow -Wno-restrict>)
endfunction()

# One precompiled wx header that every library of ours reuses; it needs the same flags as they have.
if(NOT EXISTS ${CMAKE_BINARY_DIR}/pch/kesta_pch.cpp)
  file(WRITE ${CMAKE_BINARY_DIR}/pch/kesta_pch.cpp "// The precompiled header's own translation unit.\n")
endif()
add_library(kesta_pch STATIC ${CMAKE_BINARY_DIR}/pch/kesta_pch.cpp)
kesta_compile_options(kesta_pch)
target_link_libraries(kesta_pch PUBLIC kesta_wx)
target_precompile_headers(kesta_pch PRIVATE <wx/wx.h>)
