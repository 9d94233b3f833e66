# `make package`: a Debian package of the installed files through CPack. The
# shared libraries the programs link are found by dpkg-shlibdeps; what they
# load at run time or need besides is named here.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "kestrel")
set(CPACK_PACKAGE_VENDOR "Velmora")
set(CPACK_PACKAGE_CONTACT "Velmora <kestrel@velmora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive batch renamer with a Japanese user interface")
# The extended description is wrapped by hand: each line of the control file,
# with the space CPack puts before it, stays within 79 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Kestrel renames many files or folders of one directory in a single
operation: renumbering, fixed texts, character kinds, replacing, inserting,
formats with placeholders and names from a file, each previewed beside the old
name. kestrel-cli does the same from the command line.")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The package's own revision of the project version: the version is
# <project version>-<revision>, and the changelog below names the same.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs the X11/Wayland platform plugins, the SVG plugins for its
# pictures (loaded, not linked), a Japanese font for its texts and xdg-open
# for the manual and opening files.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-ipafont-gothic | fonts-japanese-gothic, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)

# The documents Debian's policy asks of every package: the copyright in the
# machine-readable format and the changelog, dated by the build like the
# AppStream release (SOURCE_DATE_EPOCH fixes it) and compressed without gzip's
# own time stamp.
install(FILES res/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
set(KESTREL_DEB_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
string(TIMESTAMP KESTREL_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.Debian)
configure_file(res/debian/changelog.Debian.in ${changelog} @ONLY)
add_custom_command(
  OUTPUT ${changelog}.gz
  COMMAND gzip -9nkf ${changelog}
  DEPENDS ${changelog}
  VERBATIM)
add_custom_target(kestrel_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${changelog}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
# Tags of lintian that do not apply to this package, each with its reason.
install(FILES res/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME kestrel)
include(CPack)
