# The reading side of the archive component: opening, directory load, search and extraction.
target_sources(pw_archive PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/archiver_extract.cpp
  ${CMAKE_CURRENT_LIST_DIR}/archiver_open.cpp
  ${CMAKE_CURRENT_LIST_DIR}/archiver_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dir_load.cpp
  ${CMAKE_CURRENT_LIST_DIR}/end_record_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_decompress.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_password.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_read.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mask_match.cpp
  ${CMAKE_CURRENT_LIST_DIR}/name_decoding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/output_name.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recovery_scan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/removable_drive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/stub_detection.cpp
)
target_link_libraries(pw_archive PUBLIC ZLIB::ZLIB)
