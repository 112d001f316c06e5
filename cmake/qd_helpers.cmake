# qd_ordinal_def(<out> <dll> <name:argbytes:ordinal>...)
# Writes a module-definition file that exports the functions by ordinal only. On
# i686 the names carry their __stdcall decoration (argument bytes).
function(qd_ordinal_def out dll)
  set(text "LIBRARY ${dll}\nEXPORTS\n")
  foreach(entry IN LISTS ARGN)
    string(REPLACE ":" ";" parts "${entry}")
    list(GET parts 0 name)
    list(GET parts 1 bytes)
    list(GET parts 2 ordinal)
    if(QD_ARCH STREQUAL "i686")
      string(APPEND text "  ${name}@${bytes} @${ordinal} NONAME\n")
    else()
      string(APPEND text "  ${name} @${ordinal} NONAME\n")
    endif()
  endforeach()
  file(WRITE ${out}.tmp "${text}")
  configure_file(${out}.tmp ${out} COPYONLY)
endfunction()

# qd_dll(<target> <sources>...): a library named exactly <target>.dll in build/bin.
# Without a .def file its functions are exported by their plain names (on i686 the
# __stdcall decoration is dropped); a .def file exports by ordinal and keeps the
# decorated names in the import library, where the programs look for them.
function(qd_dll target)
  add_library(${target} SHARED ${ARGN})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${target})
  list(FILTER ARGN INCLUDE REGEX "\\.def$")
  if(QD_ARCH STREQUAL "i686" AND NOT ARGN)
    target_link_options(${target} PRIVATE -Wl,--kill-at)
  endif()
endfunction()

# qd_version_info(<target> <description>): gives <target> its version resource,
# with the project's version and a German description of the file.
function(qd_version_info target description)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    set(file_type VFT_APP)
    set(suffix .exe)
  else()
    set(file_type VFT_DLL)
    set(suffix .dll)
  endif()
  set(rc ${CMAKE_BINARY_DIR}/version/${target}.rc)
  file(CONFIGURE OUTPUT ${rc} CONTENT [[
#pragma code_page(65001)
#include <windows.h>
#define QD_FILE_DESCRIPTION "@description@"
#define QD_ORIGINAL_NAME "@target@@suffix@"
#define QD_FILE_TYPE @file_type@
#include "version_info.rc2"
]] @ONLY)
  target_sources(${target} PRIVATE ${rc})
  target_include_directories(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:RC>:${CMAKE_SOURCE_DIR}/resources>)
endfunction()
