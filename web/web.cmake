# The browser build: the program as ferrow.js and ferrow.wasm, the data
# folder as a package the page loads before the program starts, and our own
# page around it. Included by the top CMakeLists.txt under Emscripten only.
set(WEB_PAGE_DIR ${PROJECT_SOURCE_DIR}/web)
set(WEB_PLATFORM_DIR ${PROJECT_SOURCE_DIR}/src/platform/web)

# emcc's own page does not build with this toolchain; ours is copied beside
# the program instead.
foreach(page_file index.html ferrow-page.js)
  configure_file(${WEB_PAGE_DIR}/${page_file} ${CMAKE_BINARY_DIR}/${page_file} COPYONLY)
endforeach()

target_link_options(ferrow PRIVATE
  # The game's loop, its Sleep and the five-second logo hold run unchanged;
  # each wait hands the browser its turn.
  -sASYNCIFY
  -sALLOW_MEMORY_GROWTH=1
  -sEXPORTED_FUNCTIONS=_main,_ferrow_audio_fill
  # The end-to-end test reads the stored table through the file system.
  -sEXPORTED_RUNTIME_METHODS=FS
  -lidbfs.js
  "SHELL:--js-library ${WEB_PLATFORM_DIR}/browser.js"
  "SHELL:--pre-js ${WEB_PLATFORM_DIR}/storage.js"
  # The data folder where the game looks for it: below the start folder "/".
  "SHELL:--preload-file ${DATA_DIR}@/data/set0"
  "SHELL:--exclude-file *.stamp"
  "SHELL:--exclude-file *hight.dat*")
# The generated program icon is the page's icon.
add_custom_command(TARGET ferrow POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${GENERATED_DIR}/ferrow-32.png ${CMAKE_BINARY_DIR}/ferrow.png)
set_property(TARGET ferrow APPEND PROPERTY LINK_DEPENDS
  ${WEB_PLATFORM_DIR}/browser.js ${WEB_PLATFORM_DIR}/storage.js ${DATA_DIR}/.stamp)
