# Installs the window program the way a desktop program is installed, into a
# folder the author can write: the program writes its pages beside itself.
#
#   <prefix>/lib/menulark/menulark, readme.htm   the program and its help
#   <prefix>/bin/menulark -> ../lib/menulark/menulark
#   <prefix>/bin/menulark-page                   the headless command
#   <prefix>/share/applications/menulark.desktop
#   <prefix>/share/icons/hicolor/{32x32,64x64}/apps/menulark.png
#   <prefix>/share/man/man1/, share/metainfo/    manual pages, AppStream data
#                                                (cmake/DebianPackage.cmake)
#   <prefix>/lib/menulark/.install-manifest      what scripts/uninstall removes:
#                                                the files, then the folders
#                                                this install created (with /)
#
# The launcher is a relative link, so a moved prefix keeps working, and the
# program still finds its folder because it resolves links to its real path.

set(MENULARK_PROGRAM_DIR lib/menulark)

# The first and the last rule (component user_install) keep the list that
# scripts/uninstall reads; the Debian package leaves them out.
# First rule: note the folders this install creates (and those an earlier
# install created), so that uninstalling removes them again once empty.
install(CODE [[
  set(MENULARK_NEW_DIRS "")
  set(old_manifest "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/lib/menulark/.install-manifest")
  if(EXISTS "${old_manifest}")
    file(STRINGS "${old_manifest}" old_lines REGEX "/$")
    list(APPEND MENULARK_NEW_DIRS ${old_lines})
  endif()
  foreach(dir bin lib lib/menulark share share/applications share/icons share/icons/hicolor
              share/icons/hicolor/32x32 share/icons/hicolor/32x32/apps
              share/icons/hicolor/64x64 share/icons/hicolor/64x64/apps
              share/man share/man/man1 share/metainfo)
    if(NOT EXISTS "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${dir}")
      list(APPEND MENULARK_NEW_DIRS "${dir}/")
    endif()
  endforeach()
  list(REMOVE_DUPLICATES MENULARK_NEW_DIRS)
]] COMPONENT user_install)

install(TARGETS menulark RUNTIME DESTINATION ${MENULARK_PROGRAM_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/readme.htm DESTINATION ${MENULARK_PROGRAM_DIR})
install(TARGETS menulark-page RUNTIME DESTINATION bin)

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-staging)
file(CREATE_LINK ../${MENULARK_PROGRAM_DIR}/menulark ${CMAKE_BINARY_DIR}/install-staging/menulark SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/install-staging/menulark DESTINATION bin)

install(FILES ${CMAKE_SOURCE_DIR}/resources/menulark.png
        DESTINATION share/icons/hicolor/32x32/apps)
install(FILES ${CMAKE_SOURCE_DIR}/resources/menulark-64.png
        DESTINATION share/icons/hicolor/64x64/apps RENAME menulark.png)

# The install-time rules below run as a script: hand them the tree's paths.
install(CODE "set(MENULARK_SOURCE_DIR \"${CMAKE_SOURCE_DIR}\")
set(MENULARK_BINARY_DIR \"${CMAKE_BINARY_DIR}\")")

# The desktop entry names the launcher by its absolute path (a menu's PATH
# often lacks ~/.local/bin), so it is written when the prefix is known: at
# install time, which may use --prefix rather than the configured one.
install(CODE [[
  set(launcher "${CMAKE_INSTALL_PREFIX}/bin/menulark")
  # One Exec argument, quoted, then escaped once more as a desktop-entry string.
  string(REGEX REPLACE "([\"`$\\])" "\\\\\\1" quoted "${launcher}")
  string(REPLACE "%" "%%" quoted "${quoted}")
  set(MENULARK_DESKTOP_EXEC "\"${quoted}\"")
  string(REPLACE "\\" "\\\\" MENULARK_DESKTOP_EXEC "${MENULARK_DESKTOP_EXEC}")
  string(REPLACE "\\" "\\\\" MENULARK_DESKTOP_TRYEXEC "${launcher}")
  set(staged "${MENULARK_BINARY_DIR}/install-staging/menulark.desktop")
  configure_file("${MENULARK_SOURCE_DIR}/resources/menulark.desktop.in" "${staged}" @ONLY)
  file(INSTALL "${staged}" DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications")
]])

include(${CMAKE_CURRENT_LIST_DIR}/ManualAndMetadata.cmake)

# Last rule: a list of what was installed, relative to the prefix, kept in
# the program folder so that uninstalling needs no build tree.
install(CODE [[
  # The list holds paths without DESTDIR; the file goes where they went.
  set(root "${CMAKE_INSTALL_PREFIX}/")
  set(manifest_name "lib/menulark/.install-manifest")
  set(lines "")
  foreach(installed IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
    string(FIND "${installed}" "${root}" at)
    if(NOT at EQUAL 0)
      message(FATAL_ERROR "Installed outside the prefix: ${installed}")
    endif()
    string(LENGTH "${root}" skip)
    string(SUBSTRING "${installed}" ${skip} -1 relative)
    string(APPEND lines "${relative}\n")
  endforeach()
  string(APPEND lines "${manifest_name}\n")
  foreach(dir IN LISTS MENULARK_NEW_DIRS)
    string(APPEND lines "${dir}\n")
  endforeach()
  file(WRITE "$ENV{DESTDIR}${root}${manifest_name}" "${lines}")
  message(STATUS "Installing: $ENV{DESTDIR}${root}${manifest_name}")
]] COMPONENT user_install)
