# The manual pages of both commands and the AppStream metadata, for
# `make install` and the Debian package alike; included by Install.cmake.

# The id in software centres; fixed once published.
set(MENULARK_APPSTREAM_ID "org.menulark.menulark")
set(MENULARK_SCREENSHOT_URL "https://menulark.example/screenshots/main-window.png")
set(MENULARK_PACKAGE_PROGRAM_DIR "/usr/lib/menulark")
# The release's date: the build's, or SOURCE_DATE_EPOCH's for a repeatable build.
string(TIMESTAMP MENULARK_RELEASE_DATE "%Y-%m-%d" UTC)
find_program(GZIP gzip REQUIRED)
set(generated ${CMAKE_BINARY_DIR}/generated/package)

# Manual pages: the version filled in, compressed without a time stamp.
set(man_pages "")
foreach(command menulark menulark-page)
  configure_file(${CMAKE_SOURCE_DIR}/man/${command}.1.in ${generated}/${command}.1 @ONLY)
  add_custom_command(OUTPUT ${generated}/${command}.1.gz
    COMMAND ${GZIP} -9 -n -c ${generated}/${command}.1 > ${generated}/${command}.1.gz
    DEPENDS ${generated}/${command}.1 ${CMAKE_SOURCE_DIR}/man/${command}.1.in
    VERBATIM)
  list(APPEND man_pages ${generated}/${command}.1.gz)
endforeach()
add_custom_target(menulark_manual_pages ALL DEPENDS ${man_pages})

configure_file(${CMAKE_SOURCE_DIR}/resources/menulark.metainfo.xml.in
               ${generated}/${MENULARK_APPSTREAM_ID}.metainfo.xml @ONLY)

install(FILES ${man_pages} DESTINATION share/man/man1)
install(FILES ${generated}/${MENULARK_APPSTREAM_ID}.metainfo.xml DESTINATION share/metainfo)
