# The Debian package: cpack -G DEB in the build folder makes
# tavrolin_1.00_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrolin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tavrolin developers")
set(CPACK_PACKAGE_CONTACT "Tavrolin developers <dev@tavrolin.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching animation of light reflected at a glass plate's two surfaces")
set(CPACK_PACKAGE_DESCRIPTION "Tavrolin (Zrcadlení dvou rozhraní) shows light from a source reflecting to a \
detector at the top and at the bottom surface of a glass plate, a phase diagram of the two light arrows and \
their resultant, and the curve of reflection strength against the plate's thickness.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tavrolin.example.org")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries from dpkg-shlibdeps (Debian's libqt6gui6 carries the X11
# platform plugin); besides them the fonts that stand in for the layout's
# Times New Roman and MS Sans Serif.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-wine")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
