# Installation as a Linux program, and the Debian package.
#
#   cmake --install <build> [--prefix /usr]     installs into the prefix
#   cd <build> && cpack -G DEB                  builds trv630-pc_<version>_<arch>.deb
#
# The English translation is compiled into the executable (Qt resource), so
# there is no separate translation file to install.
include(GNUInstallDirs)

install(TARGETS trv630-pc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/trv630-pc.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/trv630-pc.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# udev reads its rules from /usr/lib/udev/rules.d and /etc/udev/rules.d only:
# with the prefix /usr (and in the .deb) the rule lands in the former; for
# another prefix set TRV630_UDEV_RULES_DIR=/etc/udev/rules.d.
set(TRV630_UDEV_RULES_DIR "lib/udev/rules.d" CACHE STRING
  "Where the udev rule giving the logged-in user access to the module is installed")
if(EXISTS ${CMAKE_SOURCE_DIR}/packaging/udev/70-trv630.rules)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/udev/70-trv630.rules
    DESTINATION ${TRV630_UDEV_RULES_DIR})
endif()

# ---- Debian package -------------------------------------------------------------
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "trv630-pc")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "trv630-pc maintainers <trv630-pc@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "companion program of the TRV630 USB measurement module")
set(CPACK_PACKAGE_DESCRIPTION
  "Finds the TRV630U module among the USB HID devices, shows every channel live,\nwrites the measurements to a semicolon-separated file, plots them on a live\nchart and reads and writes the module's configuration. Polish and English\ninterface.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "electronics")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The Debian packages the program uses at run time: the libraries it links
# (Qt 6 Core, Gui with the xcb platform plugin, Widgets, PrintSupport; hidapi
# on hidraw; libudev), found by dpkg-shlibdeps with the versions of the build
# machine, and the Tahoma font of fonts-wine, which the window is designed in.
find_program(TRV630_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(TRV630_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libhidapi-hidraw0, libudev1, fonts-wine")
endif()
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
  ${CMAKE_SOURCE_DIR}/packaging/debian/postinst
  ${CMAKE_SOURCE_DIR}/packaging/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_STRIP_FILES TRUE)
include(CPack)
