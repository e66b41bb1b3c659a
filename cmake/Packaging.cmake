# A Debian package of the installed tree: `make package`, or `cpack` in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillory)
set(CPACK_PACKAGE_VENDOR "The Quillory developers")
set(CPACK_PACKAGE_CONTACT "The Quillory developers <developers@quillory.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keep and print W-2, W-3, 1099-MISC and 1096 forms")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quillory keeps the US information returns of a small business: its employers and payers,\n"
    "one W-2 per employee and one 1099-MISC per recipient. It checks W-2 amounts against the\n"
    "tax year's limits and prints the records onto the pre-printed paper forms, with the W-3\n"
    "and 1096 summaries and summary reports.")
string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quillory.org/")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# The libraries the program links come from dpkg-shlibdeps. What Qt loads at run time is not
# linked and so is named here: the SQLite driver, the windowing plugins, and the fonts that
# the printed forms are measured in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
