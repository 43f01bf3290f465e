# What a Windows cross build cannot find the usual way: Debian ships GoogleTest only as source
# for other targets, and CLI11 and nlohmann-json as host headers whose include folder (/usr/include)
# must not reach the mingw-w64 compiler, because glibc's headers live there too.
if(NOT (CMAKE_CROSSCOMPILING AND WIN32))
  return()
endif()

set(pw_cross_headers ${CMAKE_BINARY_DIR}/cross-headers)
foreach(header_dir CLI nlohmann)
  file(MAKE_DIRECTORY ${pw_cross_headers})
  file(CREATE_LINK /usr/include/${header_dir} ${pw_cross_headers}/${header_dir} SYMBOLIC)
endforeach()

add_library(CLI11::CLI11 INTERFACE IMPORTED GLOBAL)
target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${pw_cross_headers})
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${pw_cross_headers})
set(CLI11_FOUND TRUE)
set(nlohmann_json_FOUND TRUE)

if(PLUGWRIGHT_BUILD_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  # Its own CMake files define the GTest:: names the test folders link.
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()
