# The Windows release archive: the one static corvane.exe, stripped of its
# debug sections (the build tree keeps the whole one for debugging), a short
# Chinese README and the licence.  cmake --build build/windows --target windows_release
set(release_dir ${CMAKE_BINARY_DIR}/release/corvane-${PROJECT_VERSION})
set(release_zip ${CMAKE_BINARY_DIR}/corvane-${PROJECT_VERSION}-windows.zip)
configure_file(${PROJECT_SOURCE_DIR}/resources/README-windows.txt ${release_dir}/README.txt @ONLY)
add_custom_command(OUTPUT ${release_zip}
  COMMAND ${CMAKE_STRIP} --strip-all -o ${release_dir}/corvane.exe $<TARGET_FILE:corvane>
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSE ${release_dir}/LICENSE.txt
  COMMAND ${CMAKE_COMMAND} -E tar cf ${release_zip} --format=zip corvane-${PROJECT_VERSION}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/release
  DEPENDS corvane ${PROJECT_SOURCE_DIR}/LICENSE ${release_dir}/README.txt)
add_custom_target(windows_release DEPENDS ${release_zip})
