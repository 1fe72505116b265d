# The Debian package: `cpack -G DEB` in the build tree writes salon_VERSION_ARCH.deb with everything
# `cmake --install` puts in place, under /usr. Its dependencies on shared libraries are computed
# from the binaries (dpkg-shlibdeps); what the programs load by name at run time is added by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME salon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The salon suite developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "virtual hair salon: try hairstyles on a photo of a face")
set(CPACK_PACKAGE_DESCRIPTION "The salon editor sets a photo of a face into hairstyle models, matches
the face colour, recolours the hair, retouches and prints. The package also holds the presentation
that introduces the salon, the Pixol graphics library with its pixol command and development files,
the commands that make and check hairstyle catalogues, and a demo data drive.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The salon suite developers <salon@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, not linked: Qt Multimedia plays the presentation's Motion-JPEG AVI videos
# through GStreamer's AVI demuxer and JPEG decoder.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gstreamer1.0-plugins-good, gstreamer1.0-plugins-base")
# Czech Qt dialogs and the fonts the labels are drawn with.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-dejavu-core")
include(CPack)
