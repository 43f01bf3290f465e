# The Windows programs' resources (icon, version information, manifest), compiled by windres.
#   pw_add_windows_resources(<target> DESCRIPTION <text>)
# Each program gets its own .rc and manifest, configured from data/windows/, so that its
# properties name its own file.
include_guard(GLOBAL)

function(pw_add_windows_resources target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "DESCRIPTION" "")
  set(PW_RC_DESCRIPTION "${ARG_DESCRIPTION}")
  # The licence's copyright line, so that the two never disagree.
  file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE PW_RC_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
  set(PW_RC_INTERNAL_NAME ${target})
  set(PW_RC_FILE_NAME ${target}${CMAKE_EXECUTABLE_SUFFIX})
  # Windows numbers versions in four parts.
  set(version ${PROJECT_VERSION_MAJOR} ${PROJECT_VERSION_MINOR} ${PROJECT_VERSION_PATCH} 0)
  list(JOIN version "," PW_RC_VERSION_COMMAS)
  list(JOIN version "." PW_RC_VERSION_DOTS)
  set(PW_RC_ICON ${PROJECT_SOURCE_DIR}/data/icons/plugwright.ico)
  set(PW_RC_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)

  set(templates ${PROJECT_SOURCE_DIR}/data/windows)
  configure_file(${templates}/program.manifest.in ${PW_RC_MANIFEST} @ONLY)
  configure_file(${templates}/program.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  # windres reads the icon and the manifest itself: a changed one must rebuild the resources.
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${target}.rc PROPERTIES
                              OBJECT_DEPENDS "${PW_RC_ICON};${PW_RC_MANIFEST}")
endfunction()
