# The Debian package: cpack -G DEB in the build folder makes
# tavrolin_1.00_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrolin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tavrolin developers")
set(CPACK_PACKAGE_CONTACT "Tavrolin developers <dev@tavrolin.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching animation of light reflected at a glass plate's two surfaces")
# Debian wraps nothing itself: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "Tavrolin (Zrcadlení dvou rozhraní) shows light from a source reflecting to
a detector at the top and at the bottom surface of a glass plate, a phase
diagram of the two light arrows and their resultant, and the curve of
reflection strength against the plate's thickness.")
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

# What Debian asks of every package besides the program: the licence in
# its machine-readable copyright format, the changelog and the manual pages,
# compressed as Debian does it (gzip -9n: the same bytes on every build).
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE licence_copyright REGEX "^Copyright \\(c\\) ")
string(REGEX REPLACE "^Copyright \\(c\\) " "" TAVROLIN_COPYRIGHT "${licence_copyright}")
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX REPLACE "^.*Copyright \\(c\\) [^\n]*\n\n" "" licence "${licence}")
string(STRIP "${licence}" licence)
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " TAVROLIN_LICENCE_TEXT " ${licence}")
# Debian names the folder after the package, not the project (Tavrolin).
set(debian_doc ${PROJECT_BINARY_DIR}/debian-doc)
configure_file(${PROJECT_SOURCE_DIR}/resources/linux/copyright.in ${debian_doc}/copyright @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
install(FILES ${debian_doc}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavrolin)

set(compressed "")
foreach(file "changelog;changelog.gz" "man/tavrolin.1;tavrolin.1.gz" "man/tavrolin.cs.1;cs/tavrolin.1.gz")
    list(GET file 0 source)
    list(GET file 1 target)
    set(source ${PROJECT_SOURCE_DIR}/resources/linux/${source})
    add_custom_command(OUTPUT ${debian_doc}/${target}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${debian_doc}/cs
        COMMAND sh -c "gzip -9n < \"$1\" > \"$2\"" sh ${source} ${debian_doc}/${target}
        DEPENDS ${source} VERBATIM)
    list(APPEND compressed ${debian_doc}/${target})
endforeach()
add_custom_target(debian_doc ALL DEPENDS ${compressed})
install(FILES ${debian_doc}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavrolin)
# The teachers' guides, English and Czech, as web pages.
install(FILES ${TAVROLIN_GUIDES} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavrolin)
install(FILES ${debian_doc}/tavrolin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${debian_doc}/cs/tavrolin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/cs/man1)

include(CPack)
