# `make package`: a Debian package of the installed files through CPack. The
# shared libraries the programs link are found by dpkg-shlibdeps; what they
# load at run time or need besides is named here.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "kestrel")
set(CPACK_PACKAGE_VENDOR "Velmora")
set(CPACK_PACKAGE_CONTACT "Velmora <kestrel@velmora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive batch renamer with a Japanese user interface")
set(CPACK_PACKAGE_DESCRIPTION
    "Kestrel renames many files or folders of one directory in a single operation: renumbering, fixed texts, character kinds, replacing, inserting, formats with placeholders and names from a file, each previewed beside the old name. kestrel-cli does the same from the command line.")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs the X11/Wayland platform plugins, the SVG plugins for its
# pictures (loaded, not linked), a Japanese font for its texts and xdg-open
# for the manual and opening files.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-ipafont-gothic | fonts-japanese-gothic, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
