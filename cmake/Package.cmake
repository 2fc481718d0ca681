# `cpack -G DEB` in a build directory packs what the install rules put in place into a Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trelkin)
set(CPACK_PACKAGE_VENDOR "Trelkin developers")
set(CPACK_PACKAGE_CONTACT "Trelkin developers <dev@trelkin.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Japanese reference and planning tool for Brakmoor players")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Find what two materials craft, browse armour and compose armour sets,\n"
    "search armour combinations for skills, walk the weapon upgrade trees and\n"
    "look up every item. Comes with an invented demo data set.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": that section is for the games themselves, installed in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Needed at run time without being linked, so dpkg-shlibdeps cannot see them: the Japanese glyphs of the window
# and the opener of its links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, xdg-utils, qt6-translations-l10n")
include(CPack)
