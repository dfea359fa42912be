# Installation layout for a system-wide installation and the Debian package
# built from it (`make deb`, CPack's DEB generator).
#
# The program keeps its visual-style library beside the executable, so both
# go to the package's private folder /usr/lib/<multiarch>/kalvix, and
# /usr/bin/kalvix is a link to it. The executable finds the library there
# through its RPATH ($ORIGIN, controls/CMakeLists.txt), not through the
# linker cache: the package needs no ldconfig. (CPack calls ldconfig for any
# library directly below /usr/lib/<folder>, which the multiarch folder is
# not.) That folder is not the user's to write, so the program keeps
# appointments.dat in each user's $XDG_DATA_HOME/kalvix instead.
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(KALVIX_PROGRAM_DIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/kalvix)
else()
  set(KALVIX_PROGRAM_DIR lib/kalvix)
endif()

install(TARGETS kalvix kalvixtheme
  RUNTIME DESTINATION ${KALVIX_PROGRAM_DIR}
  LIBRARY DESTINATION ${KALVIX_PROGRAM_DIR}
  COMPONENT program)
install(CODE "
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(CREATE_LINK ../${KALVIX_PROGRAM_DIR}/kalvix \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/kalvix\" SYMBOLIC)
" COMPONENT program)

install(FILES ${KALVIX_DESKTOP_DIR}/kalvix.desktop DESTINATION share/applications COMPONENT program)
install(FILES ${KALVIX_DESKTOP_DIR}/${KALVIX_METAINFO} DESTINATION share/metainfo COMPONENT program)
foreach(size 16 22 24 32 48 64 256)
  foreach(dir images install)
    set(_icon ${CMAKE_SOURCE_DIR}/resources/pictures/${dir}/icon-${size}.png)
    if(EXISTS ${_icon})
      install(FILES ${_icon} DESTINATION share/icons/hicolor/${size}x${size}/apps
              RENAME kalvix.png COMPONENT program)
    endif()
  endforeach()
endforeach()

# The manual pages (tools/CMakeLists.txt writes them at build time).
get_property(_man_dir GLOBAL PROPERTY KALVIX_MAN_DIR)
install(DIRECTORY ${_man_dir}/ DESTINATION share/man COMPONENT program FILES_MATCHING PATTERN "*.1.gz")

# `make deb` builds the program alone first; installing must not build the
# tests and benchmarks as well.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${KALVIX_COMMAND})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${KALVIX_VENDOR})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "appointment reminder in the notification area")
set(CPACK_PACKAGE_DESCRIPTION "${PROJECT_NAME} keeps appointments filed under the days from 2000 to 2100 and\nreminds of each one ahead of time from the notification area. Appointments\ncan also be added and listed from the command line.")
set(CPACK_PACKAGE_CONTACT "${PROJECT_NAME} maintainers <maintainers@brontal.example>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# The libraries the binaries link come from dpkg-shlibdeps; Qt's window
# system plugins (xcb, wayland) are a separate package it cannot see.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland")
# Qt's own texts (the standard buttons of message boxes) in German and French.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The copyright file and the changelog Debian asks of every package, in
# /usr/share/doc/kalvix. The version has no Debian revision, so this is a
# native package and its changelog is changelog.gz.
string(SUBSTRING ${KALVIX_RELEASE_DATE} 0 4 KALVIX_RELEASE_YEAR)
execute_process(COMMAND date -u -R -d ${KALVIX_RELEASE_DATE}
  OUTPUT_VARIABLE KALVIX_RELEASE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(_doc ${CMAKE_BINARY_DIR}/package-doc)
configure_file(${CMAKE_SOURCE_DIR}/cmake/debian/copyright.in ${_doc}/copyright @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/cmake/debian/changelog.in ${_doc}/changelog @ONLY)
add_custom_command(OUTPUT ${_doc}/changelog.gz
  COMMAND gzip -9nc ${_doc}/changelog > ${_doc}/changelog.gz
  DEPENDS ${_doc}/changelog
  VERBATIM)
add_custom_target(kalvix_package_doc DEPENDS ${_doc}/changelog.gz)
add_dependencies(kalvix kalvix_package_doc)
install(FILES ${_doc}/copyright ${_doc}/changelog.gz DESTINATION share/doc/${KALVIX_COMMAND} COMPONENT program)

include(CPack)
