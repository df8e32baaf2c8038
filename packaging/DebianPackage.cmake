# The Debian package that "cpack" builds from the install rules, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvalux)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Orvalux developers <developers@orvalux.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "PC front end of the multifunction pressure tester")
set(CPACK_PACKAGE_DESCRIPTION
    "Follows the hand-held USB multifunction pressure tester live on dials and bars: oil
pressure, vacuum, fuel, AdBlue, particle filter, cooling system, cylinder leakage,
compression, common-rail and petrol high pressure, and three manometer ranges. Fetches the
tests stored in the tester and prints one-page A4 test reports with the vehicle's and the
workshop's details.
The package lets the user logged in at the seat open the tester without root.")
# The architecture is dpkg's; the libraries the executable links come from dpkg-shlibdeps.
# The windows are laid out for Tahoma's metrics (Wine's Tahoma), the reports for Arial's
# (Liberation Sans).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-wine")
# Printing a report on a printer goes through CUPS; the preview and PDF files do not need it.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS cups)
# Apply the udev rule to testers already plugged in, and take it back on removal.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_LIST_DIR}/postinst ${CMAKE_CURRENT_LIST_DIR}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
