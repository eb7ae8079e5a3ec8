# The Debian package of the three programs, made with CPack from what
# `cmake --install` puts in place (scripts/package runs it).

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "kurvex")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Kurvex")
set(CPACK_PACKAGE_CONTACT "Kurvex developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive plots of two-dimensional data from text files")
set(CPACK_PACKAGE_DESCRIPTION
  "Kurvex shows columns of numbers from plain text files as graphs in plot\n"
  "windows: zoom with the mouse, wheel and keys, measure distances and slopes,\n"
  "restyle graphs, compute statistics and histograms, move graphs between\n"
  "plots, save sessions, print and export figures (PNG, SVG, PDF, EMF), also\n"
  "without a display. kurvex-conconi plots Conconi exercise tests and\n"
  "kurvex-samples draws sample curves point by point.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
# Only what an installation needs: the programs and the data of data/.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The libraries the programs link (Qt 6 Widgets, Gui, Core, PrintSupport and
# the C++ runtime) come from dpkg-shlibdeps; the window system's plug-ins
# and the fonts are loaded at run time, which it cannot see. "Arial" of the
# plots resolves to Liberation Sans.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fontconfig")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "shared-mime-info, desktop-file-utils")

include(CPack)
