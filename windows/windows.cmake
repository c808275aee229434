# The Windows program: a window program (no console of its own), with its
# icon, version and manifest as resources, and the zip a player unpacks.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
configure_file(${CMAKE_SOURCE_DIR}/windows/ferrow.rc.in ${GENERATED_DIR}/ferrow.rc @ONLY)
target_sources(ferrow PRIVATE ${GENERATED_DIR}/ferrow.rc)
set_source_files_properties(${GENERATED_DIR}/ferrow.rc PROPERTIES
  OBJECT_DEPENDS "${GENERATED_DIR}/ferrow.ico;${CMAKE_SOURCE_DIR}/windows/ferrow.manifest")
target_link_options(ferrow PRIVATE -mwindows $<$<NOT:$<CONFIG:Debug>>:-s>)

# `cmake --build BUILD --target zip`: ferrow-<version>-windows-x64.zip beside
# the build folder's program, holding one folder with the program, its data
# and the text for the player.
set(ZIP_NAME ferrow-${PROJECT_VERSION}-windows-x64)
set(ZIP_ROOT ${CMAKE_BINARY_DIR}/zip/ferrow-${PROJECT_VERSION})
configure_file(${CMAKE_SOURCE_DIR}/windows/LIESMICH.txt ${GENERATED_DIR}/LIESMICH.txt @ONLY NEWLINE_STYLE WIN32)
add_custom_target(zip
  COMMAND ${CMAKE_COMMAND} -E remove_directory ${CMAKE_BINARY_DIR}/zip
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZIP_ROOT}/data
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:ferrow> ${GENERATED_DIR}/LIESMICH.txt ${ZIP_ROOT}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${DATA_DIR} ${ZIP_ROOT}/data/set0
  # The build's own marks and scores are no part of a fresh game.
  COMMAND ${CMAKE_COMMAND} -E rm -f ${ZIP_ROOT}/data/set0/.stamp ${ZIP_ROOT}/data/set0/hight.dat
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/zip
          ${CMAKE_COMMAND} -E tar cf ${CMAKE_BINARY_DIR}/${ZIP_NAME}.zip --format=zip ferrow-${PROJECT_VERSION}
  DEPENDS ferrow gamedata
  COMMENT "Packing ${ZIP_NAME}.zip")
