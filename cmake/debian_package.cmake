# `cpack -G DEB` in the build folder: hm3300d_<version>_<arch>.deb of everything
# `cmake --install` puts in place, under /usr, with its dependencies found by dpkg-shlibdeps
# from the programs' libraries. The desktop, MIME and icon caches are refreshed by the
# triggers of the packages that own them, so the package needs no scripts of its own.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hm3300d)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "HM-3300D programming software developers <hm3300d@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for the HM-3300D two-way FM radio")
set(CPACK_PACKAGE_DESCRIPTION "Reads, edits and writes the memory of the HM-3300D radio over its serial
programming cable: 128 channels and every radio-wide option, kept in *.p46
files. Contains the window program hm3300d, the command-line program
hm3300d-cli and the virtual radio hm3300d-vradio.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${HM3300_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
