# Both programs answer --version with the project's version, so a release is numbered in one place.
foreach(program plugwright plugwright-cli)
  if(TARGET ${program})
    target_compile_definitions(${program} PRIVATE PLUGWRIGHT_VERSION="${PROJECT_VERSION}")
  endif()
endforeach()
