# The Debian package (make package: CPack's DEB generator), laid out as an
# installed program expects: the programs in bin/, their data in
# share/corvel/ (AppPaths finds it as ../share/corvel), the desktop entry,
# the file type of *.cgp and the icons in their freedesktop places, the man
# pages and the bash completion made at build time from the programs
# themselves.
include(GNUInstallDirs)

find_package(Python3 REQUIRED COMPONENTS Interpreter)
find_program(QV_HELP2MAN help2man REQUIRED)
find_program(QV_GZIP gzip REQUIRED)

set(QV_GENERATED ${CMAKE_BINARY_DIR}/generated)
set(QV_MAN_PAGES ${QV_GENERATED}/man/qv.1.gz ${QV_GENERATED}/man/qv-cli.1.gz
  ${QV_GENERATED}/man/qv-panel.1.gz)
file(GLOB QV_MAN_INCLUDES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/man/*.h2m)
add_custom_command(OUTPUT ${QV_MAN_PAGES}
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/make-man-pages.py
    ${QV_BIN_DIR} ${PROJECT_SOURCE_DIR}/data/man ${QV_GENERATED}/man
  DEPENDS qv qv-cli qv-panel ${QV_MAN_INCLUDES} ${PROJECT_SOURCE_DIR}/tools/make-man-pages.py
    ${PROJECT_SOURCE_DIR}/tools/cli-commands.py
  COMMENT "Writing the manual pages with help2man")
add_custom_command(OUTPUT ${QV_GENERATED}/completion/qv-cli
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QV_GENERATED}/completion
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/make-bash-completion.py
    ${QV_BIN_DIR}/qv-cli ${QV_GENERATED}/completion/qv-cli
  DEPENDS qv-cli ${PROJECT_SOURCE_DIR}/tools/make-bash-completion.py
    ${PROJECT_SOURCE_DIR}/tools/cli-commands.py
  COMMENT "Writing the bash completion of qv-cli")
add_custom_command(OUTPUT ${QV_GENERATED}/doc/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QV_GENERATED}/doc
  COMMAND ${QV_GZIP} -9nc ${PROJECT_SOURCE_DIR}/data/package/changelog > ${QV_GENERATED}/doc/changelog.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/data/package/changelog)
add_custom_target(package_files ALL DEPENDS ${QV_MAN_PAGES} ${QV_GENERATED}/completion/qv-cli
  ${QV_GENERATED}/doc/changelog.gz)

set(QV_SHARE ${CMAKE_INSTALL_DATADIR}/corvel)
install(TARGETS qv qv-cli qv-panel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/QV_Str.en ${PROJECT_SOURCE_DIR}/data/QV_Str.chs
  DESTINATION ${QV_SHARE})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/BMP_Files ${PROJECT_SOURCE_DIR}/data/help
  DESTINATION ${QV_SHARE})
install(FILES ${PROJECT_SOURCE_DIR}/examples/Example.cgp DESTINATION ${QV_SHARE}/examples)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/corvel.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/corvel-project.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME corvel.xml)
foreach(size 48 256)
  install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/corvel-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME corvel.png)
endforeach()
install(FILES ${QV_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${QV_GENERATED}/completion/qv-cli
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${PROJECT_SOURCE_DIR}/data/package/copyright ${QV_GENERATED}/doc/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corvel)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Corvel Team")
set(CPACK_PACKAGE_CONTACT "Corvel Team <maintainers@users.noreply.c-seed-2d6ed299.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for the RU03 operator panel")
# The summary is the first line; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Corvel builds projects for the RU03 operator panel (192 by 64 pixels,\n\
function keys F1 to F5): screens of display objects bound to PLC registers\n\
and coils, function keys, an alarm list, the panel and communication\n\
settings. It compiles a project into the panel's runtime image and\n\
transfers that image to the panel over a serial port.\n\
.\n\
This package holds the editor (qv), the command-line tool (qv-cli) and a\n\
virtual panel on a pseudo-terminal for trying transfers (qv-panel).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Qt finds its platform plugin (xcb, offscreen) and image formats at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# libfile-mimeinfo-perl: xdg-mime outside a desktop environment then reads the
# file type of *.cgp from the MIME database instead of taking it for a ZIP file.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "xdg-utils, libfile-mimeinfo-perl, fonts-wqy-zenhei | fonts-wqy-microhei")
include(CPack)
