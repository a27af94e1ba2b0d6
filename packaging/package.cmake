# Installing (cmake --install) and the Debian package (cpack -G DEB): the program
# and the virtual sensor, the layout and maker files in the data folder, a
# desktop entry with its icons, the manual page and the copyright file.
include(GNUInstallDirs)

# The package carries the program's own version.
file(STRINGS ${CMAKE_SOURCE_DIR}/src/app/program_version.h version_line REGEX "kVersionText")
if(NOT version_line MATCHES "\"Version ${PROJECT_VERSION}\"")
  message(FATAL_ERROR "project version ${PROJECT_VERSION} differs from ${version_line}")
endif()

# An installed program finds its data folder at ../share/kavro-xb-scope from its
# own (src/runtime/program_places.cpp).
set(KAVRO_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/kavro-xb-scope)
file(RELATIVE_PATH data_from_bin /p/${CMAKE_INSTALL_BINDIR} /p/${KAVRO_DATA_DESTINATION})
if(NOT data_from_bin STREQUAL "../share/kavro-xb-scope")
  message(FATAL_ERROR "the program looks for its data in ../share/kavro-xb-scope, not ${data_from_bin}")
endif()

# PNG icons drawn from the SVG, and the compressed manual page.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_svg ${CMAKE_SOURCE_DIR}/packaging/kavro-xb-scope.svg)
set(made_files)
foreach(size 48 256)
  set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/kavro-xb-scope.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${icon_svg}
    DEPENDS ${icon_svg} VERBATIM)
  list(APPEND made_files ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
set(man_page ${CMAKE_BINARY_DIR}/kavro-xb-scope.1.gz)
add_custom_command(OUTPUT ${man_page}
  COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${CMAKE_SOURCE_DIR}/packaging/kavro-xb-scope.1 ${man_page}
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/kavro-xb-scope.1 VERBATIM)
list(APPEND made_files ${man_page})
add_custom_target(package_files ALL DEPENDS ${made_files})

install(TARGETS kavro-xb-scope kavro-xb-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/KAVRO-XB-VevavA318.uir
              ${CMAKE_SOURCE_DIR}/resources/maker.json
        DESTINATION ${KAVRO_DATA_DESTINATION})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/kavro-xb-scope.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kavro-xb-scope)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kavro-xb-scope)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "KAVRO-XB-Scope developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "set-up and monitoring tool for KAVRO-XB laser line sensors")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "KAVRO-XB-Scope talks to a KAVRO-XB laser through-beam line sensor over an
RS-232 line: it identifies the sensor, reads, edits and writes its parameters,
streams measured values and the receiver line's intensity profile, teaches the
set-point, calibrates and records measured values.

kavro-xb-sim, a virtual KAVRO-XB sensor on a pseudo-terminal, comes with it.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The libraries the programs link (Qt, QCustomPlot) come from dpkg-shlibdeps;
# Qt's platform plugins are a package of their own.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)
