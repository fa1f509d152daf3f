# The Debian package, built by CPack's DEB generator from the same install
# rules as `make install` (cmake/Install.cmake), with the prefix /usr:
#   cmake --build <build> --target package-deb   (what `make package` runs)
# writes dist/menulark_<version>_<arch>.deb. Depends is worked out by
# dpkg-shlibdeps from the libraries the programs link to.
#
# Besides what Install.cmake installs (with the manual pages and the
# AppStream metadata of cmake/ManualAndMetadata.cmake), the package alone
# (component "debian") gets the copyright file, the changelog and lintian's
# overrides. The install manifest that scripts/uninstall reads (component
# "user_install") is left out: dpkg keeps its own list.

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Menulark maintainers <maintainers@users.noreply.c-seed-ed449a60.example>")
# Honours SOURCE_DATE_EPOCH, so that a rebuild can give the same bytes.
string(TIMESTAMP MENULARK_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${CMAKE_SOURCE_DIR}/packaging/debian/changelog.in ${generated}/changelog @ONLY)
add_custom_command(OUTPUT ${generated}/changelog.gz
  COMMAND ${GZIP} -9 -n -c ${generated}/changelog > ${generated}/changelog.gz
  DEPENDS ${generated}/changelog
  VERBATIM)
add_custom_target(menulark_changelog ALL DEPENDS ${generated}/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/debian/copyright ${generated}/changelog.gz
        DESTINATION share/doc/menulark COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/debian/lintian-overrides DESTINATION share/lintian/overrides
        RENAME menulark COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME menulark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${CPACK_DEBIAN_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/cpack)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_SOURCE_DIR}/dist)
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE MENULARK_DEB_ARCH
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${MENULARK_DEB_ARCH})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The package's path, for `make test-package` (no second place for the version).
file(WRITE ${CMAKE_BINARY_DIR}/package-file
     "${CMAKE_SOURCE_DIR}/dist/menulark_${PROJECT_VERSION}_${MENULARK_DEB_ARCH}.deb\n")
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "write a web page with a custom right-click menu")
# The extended description under the summary line; CPack indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Menulark is a small tool for web authors. Type the entries of a right-click
menu (title, target address, tooltip), optionally style the menu's frame,
font, border and scroll bar, and press Create/Finish: Menulark writes the
page and opens it in the browser. menulark-page writes the same pages from
the command line.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The desktop entry is written at install time with the final /usr prefix,
# so the files are staged under DESTDIR rather than under a moved prefix.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Everything but the per-user install manifest, plus the package's own files.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};Menulark;Unspecified;/"
    "${CMAKE_BINARY_DIR};Menulark;debian;/")
include(CPack)

# `make package` runs this: build what goes in, then pack.
add_custom_target(package-deb
  COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
  DEPENDS menulark menulark-page menulark_manual_pages menulark_changelog
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  COMMENT "Packing dist/menulark_${PROJECT_VERSION}_*.deb"
  VERBATIM)
