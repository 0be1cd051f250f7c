# What the Debian package installs, and how CPack makes it:
#   /usr/bin/ordovan            the launcher (starts the program in the user's settings folder)
#   /usr/libexec/ordovan/ordovan  the program
#   /usr/bin/ordovan-cli        the command line
# with the menu entry, the icon in every size, manual pages, README, copyright
# and changelog. scripts/package-debian.sh runs it.

set(deb_dir ${CMAKE_CURRENT_LIST_DIR})
set(deb_build ${PROJECT_BINARY_DIR}/packaging/linux)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The manual page of ordovan-cli is its --help, with every command's help
# after it; Debian wants manual pages and the changelog compressed the same
# way on every build (gzip -n: no name, no time).
find_program(HELP2MAN help2man REQUIRED)
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${deb_build}/ordovan-cli.1.gz ${deb_build}/ordovan.1.gz ${deb_build}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${deb_build}
  COMMAND sh ${deb_dir}/cli-manpage.sh $<TARGET_FILE:ordovan-cli> ${ORDOVAN_VERSION_TEXT} ${deb_build}/ordovan-cli.1
  COMMAND ${GZIP} -9nf ${deb_build}/ordovan-cli.1
  COMMAND ${GZIP} -9nc ${deb_dir}/ordovan.1 > ${deb_build}/ordovan.1.gz
  COMMAND ${GZIP} -9nc ${deb_dir}/changelog > ${deb_build}/changelog.gz
  DEPENDS ordovan-cli ${deb_dir}/cli-manpage.sh ${deb_dir}/ordovan.1 ${deb_dir}/changelog)
add_custom_target(ordovan_deb_files ALL
  DEPENDS ${deb_build}/ordovan-cli.1.gz ${deb_build}/ordovan.1.gz ${deb_build}/changelog.gz)

install(TARGETS ordovan RUNTIME DESTINATION libexec/ordovan)
install(TARGETS ordovan-cli RUNTIME DESTINATION bin)
install(PROGRAMS ${deb_dir}/ordovan DESTINATION bin)
install(FILES ${deb_dir}/ordovan.desktop DESTINATION share/applications)
foreach(size IN LISTS ORDOVAN_ICON_SIZES)
  install(FILES ${ORDOVAN_ICON_DIR}/ordovan-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ordovan.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/ordovan.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${deb_build}/ordovan-cli.1.gz ${deb_build}/ordovan.1.gz DESTINATION share/man/man1)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${deb_dir}/copyright ${deb_build}/changelog.gz
        DESTINATION share/doc/ordovan)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ordovan)
set(CPACK_PACKAGE_VERSION ${ORDOVAN_VERSION_TEXT})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reorder the folder levels of many folder paths at once")
set(CPACK_PACKAGE_DESCRIPTION
"Ordovan collects folder paths, takes the shortest as a template of level
names and gives every path a new place under a destination with its
leading levels in a new order: new folders are made and the files copied,
renamed so that nothing collides. A simulation shows the result without
touching the disk, and Undo takes back the last run.

The package holds the desktop program (ordovan) and the command line
for scripts (ordovan-cli).")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Ordovan developers <dev@ordovan.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
