# qx_add_plugin: builds a plug-in module from the framework.
#
#   qx_add_plugin(<name>
#     [SOURCES <file>...]        the plug-in's own sources
#     [LIBRARIES <target>...]    libraries of the plug-in's own code
#     [ENTRY_POINTS <name>...])  only for a module that defines its entry
#                                points itself: the ones it exports
#
# Without ENTRY_POINTS the framework's six entry points serve the command
# that the plug-in defines as kPluginCommand (framework/plugin/PluginCommand.h).
# The module exports exactly its entry points, with undecorated names on
# Windows, and carries its C and C++ runtimes there, so the host loads it on
# its own. The export list lands in the target property QX_EXPORT_LIST, a
# file with one name a line.

set(QX_ENTRY_POINT_TABLE ${CMAKE_CURRENT_LIST_DIR}/../interface/EntryPoints.def)

# The entry points of interface/EntryPoints.def as "name@bytes" items.
function(qx_read_entry_points out)
  file(STRINGS ${QX_ENTRY_POINT_TABLE} rows REGEX "^QX_ENTRY_POINT\\(")
  set(entries)
  foreach(row IN LISTS rows)
    if(NOT row MATCHES "^QX_ENTRY_POINT\\(([A-Za-z0-9_]+),.*, ([0-9]+)\\)$")
      message(FATAL_ERROR "EntryPoints.def: cannot read the row: ${row}")
    endif()
    list(APPEND entries "${CMAKE_MATCH_1}@${CMAKE_MATCH_2}")
  endforeach()
  set(${out} ${entries} PARENT_SCOPE)
endfunction()

function(qx_add_plugin name)
  cmake_parse_arguments(PARSE_ARGV 1 QX "" "" "SOURCES;LIBRARIES;ENTRY_POINTS")
  if(QX_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "qx_add_plugin(${name}): unknown arguments ${QX_UNPARSED_ARGUMENTS}")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${QX_ENTRY_POINT_TABLE})
  qx_read_entry_points(table)

  # The exports: every entry point, or the ones named.
  set(exports)
  foreach(item IN LISTS table)
    string(REGEX REPLACE "@.*" "" entry ${item})
    if(NOT QX_ENTRY_POINTS OR entry IN_LIST QX_ENTRY_POINTS)
      list(APPEND exports ${item})
    endif()
  endforeach()
  foreach(entry IN LISTS QX_ENTRY_POINTS)
    if(NOT "${exports}" MATCHES "(^|;)${entry}@")
      message(FATAL_ERROR "qx_add_plugin(${name}): ${entry} is not an entry point")
    endif()
  endforeach()

  # Object libraries linked directly bring their objects along.
  add_library(${name} SHARED ${QX_SOURCES})
  if(NOT QX_ENTRY_POINTS)
    target_link_libraries(${name} PRIVATE quavix_entry_points)
  endif()
  target_link_libraries(${name} PRIVATE ${QX_LIBRARIES} quavix_framework quavix_platform)
  qx_module_library(${name})

  # The export lists, written from the one table.
  set(dir ${CMAKE_BINARY_DIR}/exports)
  set(names "")
  set(def "LIBRARY ${name}.dll\nEXPORTS\n")
  set(map "{\n  global:\n")
  foreach(item IN LISTS exports)
    string(REGEX REPLACE "@.*" "" entry ${item})
    string(APPEND names "${entry}\n")
    string(APPEND def "  ${entry} = ${item}\n")
    string(APPEND map "    ${entry};\n")
  endforeach()
  string(APPEND map "  local: *;\n};\n")
  file(GENERATE OUTPUT ${dir}/${name}.exports CONTENT "${names}")
  set_target_properties(${name} PROPERTIES QX_EXPORT_LIST ${dir}/${name}.exports)

  if(WIN32)
    file(GENERATE OUTPUT ${dir}/${name}.def CONTENT "${def}")
    set_source_files_properties(${dir}/${name}.def PROPERTIES GENERATED TRUE)
    target_sources(${name} PRIVATE ${dir}/${name}.def)
    set_target_properties(${name} PROPERTIES PREFIX "")
    # The host loads the DLL on its own: no runtime DLLs beyond the system's.
    target_link_options(${name} PRIVATE -static -static-libgcc -static-libstdc++)
  else()
    file(GENERATE OUTPUT ${dir}/${name}.map CONTENT "${map}")
    # -Bsymbolic: the module's own FX_ wrappers are never interposed by the
    # host's FX_ functions of the same names.
    target_link_options(${name} PRIVATE -Wl,--version-script=${dir}/${name}.map -Wl,-Bsymbolic)
    set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS ${dir}/${name}.map)
  endif()
endfunction()
