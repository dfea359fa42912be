# The product's name, maker, version and home page, said once: the program
# (window title, about box, message-box captions, notifications, --version)
# reads them from the generated KalvixProduct.h, and the desktop entry, the
# AppStream description and the Debian package are filled in from them too,
# so all of them agree.
set(KALVIX_VENDOR Brontal)
set(KALVIX_COMMAND kalvix)            # the executable and the desktop's icon name
set(KALVIX_RELEASE_DATE 2026-12-07)   # of PROJECT_VERSION, for AppStream

set(KALVIX_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/cmake/KalvixProduct.h.in ${KALVIX_GENERATED_DIR}/KalvixProduct.h @ONLY)

# Header only and free of Qt, so the command line's core may use it too.
add_library(kalvix_product INTERFACE ${KALVIX_GENERATED_DIR}/KalvixProduct.h)
target_include_directories(kalvix_product INTERFACE ${KALVIX_GENERATED_DIR})
kalvix_core_only(kalvix_product)

# What the desktop installs: configured into the build folder, installed
# from there (cmake/Packaging.cmake, tools/install-kalvix.sh).
set(KALVIX_DESKTOP_DIR ${CMAKE_BINARY_DIR}/desktop)
set(KALVIX_METAINFO example.brontal.kalvix.metainfo.xml)
configure_file(${CMAKE_SOURCE_DIR}/resources/desktop/kalvix.desktop.in ${KALVIX_DESKTOP_DIR}/kalvix.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/resources/desktop/${KALVIX_METAINFO}.in ${KALVIX_DESKTOP_DIR}/${KALVIX_METAINFO}
               @ONLY)
