# ux_add_plugin(<name> EXPORTS <symbol or pattern>... SOURCES <file>...)
#
# Builds one export plug-in the way every plug-in is built, so that they
# cannot drift apart: a 32-bit shared object <name>.so (no "lib" prefix) in the
# module directory, linked with its own copy of the core (uxcore), that
# exports only the listed symbols (UXSetHostInterface is always added) and
# binds every call inside to its own definitions (-Bsymbolic), with no
# undefined symbol left for the loader to resolve. The plug-in's resources
# (string and dialog tables) are ordinary sources; its language libraries
# are named by the base name in its start-up and built beside it.
# Every plug-in is recorded in the global property UX_PLUGINS, so that the
# tests and benchmarks can depend on all of them.
function(ux_add_plugin name)
  cmake_parse_arguments(PLUGIN "" "" "EXPORTS;SOURCES" ${ARGN})
  if(NOT PLUGIN_SOURCES)
    message(FATAL_ERROR "ux_add_plugin(${name}): no SOURCES")
  endif()
  if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
    message(FATAL_ERROR "ux_add_plugin(${name}): the plug-ins are 32-bit (build with -m32)")
  endif()
  set(map ${CMAKE_CURRENT_BINARY_DIR}/${name}.map)
  set(globals "")
  foreach(symbol ${PLUGIN_EXPORTS} UXSetHostInterface)
    string(APPEND globals "    ${symbol};\n")
  endforeach()
  file(WRITE ${map}.in "/* The exports of ${name}; everything else stays inside. */\n{\n  global:\n${globals}  local:\n    *;\n};\n")
  configure_file(${map}.in ${map} COPYONLY)

  add_library(${name} SHARED ${PLUGIN_SOURCES})
  target_link_libraries(${name} PRIVATE uxcore)
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/..)
  target_link_options(${name} PRIVATE -Wl,-Bsymbolic -Wl,--no-undefined
    -Wl,--version-script=${map})
  set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS ${map})
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    LIBRARY_OUTPUT_DIRECTORY ${UX_MODULE_DIR})
  set_property(GLOBAL APPEND PROPERTY UX_PLUGINS ${name})
endfunction()
