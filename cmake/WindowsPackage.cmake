# dist/ for Windows: the per-user setup program (NSIS) and a portable .zip,
# both holding menulark.exe, menulark-page.exe and readme.htm.
#   cmake --build <build> --target dist
set(MENULARK_DIST_DIR ${CMAKE_SOURCE_DIR}/dist CACHE PATH "Where the setup program and the .zip go")
find_program(MAKENSIS makensis REQUIRED)

set(stage ${CMAKE_BINARY_DIR}/stage/Menulark)
set(setup ${MENULARK_DIST_DIR}/Menulark-${PROJECT_VERSION}-setup.exe)
set(portable ${MENULARK_DIST_DIR}/Menulark-${PROJECT_VERSION}-portable.zip)

add_custom_command(OUTPUT ${setup} ${portable}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${stage} ${MENULARK_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:menulark> $<TARGET_FILE:menulark-page>
          ${CMAKE_SOURCE_DIR}/resources/readme.htm ${stage}
  COMMAND ${MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DBINDIR=${stage}
          -DICON=${CMAKE_SOURCE_DIR}/resources/menulark.ico -DOUTFILE=${setup}
          ${CMAKE_SOURCE_DIR}/installer/menulark.nsi
  COMMAND ${CMAKE_COMMAND} -E rm -f ${portable}
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/stage
          ${CMAKE_COMMAND} -E tar cf ${portable} --format=zip Menulark
  DEPENDS menulark menulark-page ${CMAKE_SOURCE_DIR}/installer/menulark.nsi
          ${CMAKE_SOURCE_DIR}/resources/readme.htm ${CMAKE_SOURCE_DIR}/resources/menulark.ico
  COMMENT "Packing ${setup} and ${portable}"
  VERBATIM)
add_custom_target(dist ALL DEPENDS ${setup} ${portable})
