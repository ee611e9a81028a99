# The Windows release archive: the one static corvane.exe, a short Chinese
# README and the licence.  cmake --build build/windows --target windows_release
set(release_dir ${CMAKE_BINARY_DIR}/release/corvane-${PROJECT_VERSION})
set(release_zip ${CMAKE_BINARY_DIR}/corvane-${PROJECT_VERSION}-windows.zip)
configure_file(${PROJECT_SOURCE_DIR}/resources/README-windows.txt ${release_dir}/README.txt @ONLY)
add_custom_command(OUTPUT ${release_zip}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:corvane> ${release_dir}/corvane.exe
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${release_dir}/LICENSE.txt
  COMMAND ${CMAKE_COMMAND} -E tar cf ${release_zip} --format=zip corvane-${PROJECT_VERSION}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/release
  DEPENDS corvane ${PROJECT_SOURCE_DIR}/LICENSE ${release_dir}/README.txt)
add_custom_target(windows_release DEPENDS ${release_zip})
