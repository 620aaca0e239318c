# The Debian package of the editor, built by cpack from the install rules.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "dvr-config")
set(CPACK_PACKAGE_VENDOR "The dvr-config developers")
set(CPACK_PACKAGE_CONTACT "The dvr-config developers <dvr-config@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "configuration editor for ORVANTIS and SELDORIX video recorders")
set(CPACK_PACKAGE_DESCRIPTION
    "ORVANTIS and SELDORIX video recorders keep their settings in one file,
CONFIG01.DAT, on a removable memory card. This desktop editor builds the
recorder's weekly recording schedule of up to 256 entries, loads it from a
card or any file and saves it back byte for byte, in place.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")  # dvr-config_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The shared libraries the binary links (wxWidgets, GTK) become Depends through dpkg-shlibdeps;
# the toolkit's own texts (OK, Cancel, the file dialogs) in the editor's languages come from
# wx3.2-i18n.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "wx3.2-i18n")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)

include(CPack)
