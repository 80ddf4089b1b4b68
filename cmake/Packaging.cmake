# The Debian package (scripts/package.sh): the two programs, the desktop entry, AppStream
# metadata, icons, manual pages, bash completion and the Debian documents. The string tables
# are compiled into the program (":/i18n"), so they need no files of their own.

set(KORIV_PACKAGE_DIR ${PROJECT_BINARY_DIR}/package-files)
set(KORIV_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)

configure_file(${KORIV_DESKTOP_DIR}/korivmanager.metainfo.xml.in ${KORIV_PACKAGE_DIR}/io.github.koriv.korivmanager.metainfo.xml @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/package/changelog.in ${KORIV_PACKAGE_DIR}/changelog @ONLY)

# Compressed as Debian wants them: no name or time stamp in the gzip header, so two builds
# give the same bytes.
set(KORIV_PACKAGE_OUTPUTS)
function(koriv_gzip source output)
  add_custom_command(OUTPUT ${output} COMMAND gzip -9n -c ${source} > ${output} DEPENDS ${source} VERBATIM)
  list(APPEND KORIV_PACKAGE_OUTPUTS ${output})
  set(KORIV_PACKAGE_OUTPUTS ${KORIV_PACKAGE_OUTPUTS} PARENT_SCOPE)
endfunction()
koriv_gzip(${PROJECT_SOURCE_DIR}/resources/man/korivmanager.1 ${KORIV_PACKAGE_DIR}/korivmanager.1.gz)
koriv_gzip(${PROJECT_SOURCE_DIR}/resources/man/korivmanager-cli.1 ${KORIV_PACKAGE_DIR}/korivmanager-cli.1.gz)
koriv_gzip(${KORIV_PACKAGE_DIR}/changelog ${KORIV_PACKAGE_DIR}/changelog.gz)

# The icon at each size a desktop asks for, drawn from the SVG.
set(KORIV_ICON_SIZES 16 24 32 48 64 128 256 512)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
foreach(size IN LISTS KORIV_ICON_SIZES)
  set(icon ${KORIV_PACKAGE_DIR}/icons/${size}x${size}/korivmanager.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KORIV_PACKAGE_DIR}/icons/${size}x${size}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${icon} ${KORIV_DESKTOP_DIR}/korivmanager.svg
    DEPENDS ${KORIV_DESKTOP_DIR}/korivmanager.svg VERBATIM)
  list(APPEND KORIV_PACKAGE_OUTPUTS ${icon})
  install(FILES ${icon} DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(koriv_package_files ALL DEPENDS ${KORIV_PACKAGE_OUTPUTS})

install(FILES ${KORIV_DESKTOP_DIR}/korivmanager.desktop DESTINATION share/applications)
install(FILES ${KORIV_DESKTOP_DIR}/korivmanager.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${KORIV_PACKAGE_DIR}/io.github.koriv.korivmanager.metainfo.xml DESTINATION share/metainfo)
install(FILES ${KORIV_PACKAGE_DIR}/korivmanager.1.gz ${KORIV_PACKAGE_DIR}/korivmanager-cli.1.gz DESTINATION share/man/man1)
install(FILES ${PROJECT_SOURCE_DIR}/resources/completion/korivmanager-cli DESTINATION share/bash-completion/completions)
install(FILES ${KORIV_PACKAGE_DIR}/changelog.gz ${PROJECT_SOURCE_DIR}/resources/package/copyright
  DESTINATION share/doc/koriv-manager)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME koriv-manager)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "The Koriv Manager developers <korivmanager@users.noreply.github.com>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/koriv/korivmanager)
# The first line is the synopsis; CPack indents the rest and turns the empty line into " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "dash-camera recordings with their route and G-sensor curves
Koriv Manager shows the recordings of a car dash camera: point it at the
camera's memory card or at a folder of copied recordings and it finds the
AVI, MOV and MP4 files, checks them and sorts them by category and day.
Front and rear recordings play side by side, with the route on a map,
speed, heading, altitude and G-sensor curves following the play time.

The package also holds korivmanager-cli, which scans a card and prints or
exports a track (KML, GPX) without a window.")
# Libraries are found by dpkg-shlibdeps; what is loaded at run time is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-libav")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-urw-base35, fonts-noto-core, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
