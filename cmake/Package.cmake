# `cpack -G DEB` in a build directory packs what the install rules put in place into a Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trelkin)
set(CPACK_PACKAGE_VENDOR "Trelkin developers")
set(CPACK_PACKAGE_CONTACT "Trelkin developers <dev@trelkin.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Japanese reference and planning tool for Brakmoor players")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Find what two materials craft, browse armour and compose armour sets, search armour\n"
    "combinations for skills, walk the weapon upgrade trees and look up every item.\n"
    "Comes with an invented demo data set.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Needed at run time without being linked, so dpkg-shlibdeps cannot see them: the Japanese glyphs of the window
# and the opener of its links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, xdg-utils")
include(CPack)
