# Installing the programs with their menu entry, file type, icon, manuals and documents
# (`cmake --install`), and packing that install as a .deb (`cpack`, see scripts/package.sh).

# The documents go under the package's name, not the CMake project's. A found package's module may
# have included GNUInstallDirs already and cached an empty DOCDIR, so a cache default would not
# take; a plain variable does, unless DOCDIR was given.
if(NOT CMAKE_INSTALL_DOCDIR)
  set(CMAKE_INSTALL_DOCDIR share/doc/plugwright)
endif()
include(GNUInstallDirs)

set(data_dir ${PROJECT_SOURCE_DIR}/data)

if(TARGET plugwright-cli)
  install(TARGETS plugwright-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES man/plugwright-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

if(TARGET plugwright)
  install(TARGETS plugwright RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES man/plugwright.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${data_dir}/qorvix-plugwright.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${data_dir}/qorvix-plugwright.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  set(icon_theme_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${data_dir}/icons/plugwright.svg DESTINATION ${icon_theme_dir}/scalable/apps)
  # One folder per size that scripts/make-icons.sh rendered.
  file(GLOB icon_sizes RELATIVE ${data_dir}/icons ${data_dir}/icons/*x*)
  foreach(size IN LISTS icon_sizes)
    install(FILES ${data_dir}/icons/${size}/plugwright.png DESTINATION ${icon_theme_dir}/${size}/apps)
  endforeach()
endif()

install(FILES README.md LICENSE ${data_dir}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
# Beside the README as in the repository, so that its links hold.
file(GLOB screenshots ${PROJECT_SOURCE_DIR}/docs/screenshot-*.png)
install(FILES docs/USER_GUIDE.md ${screenshots} DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)
file(GLOB examples ${PROJECT_SOURCE_DIR}/examples/*.json)
install(FILES ${examples} DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plugwright)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Qorvix Plugwright authors")
set(CPACK_PACKAGE_CONTACT "The Qorvix Plugwright authors <plugwright@qorvix.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for Qorvix plugins")
set(CPACK_PACKAGE_DESCRIPTION
    "Qorvix is a phone application that edits settings in a Symbian phone's Central Repository. \
Qorvix Plugwright writes its plugins: lists of tweak items, each naming one setting and how \
the phone presents it, saved as .qvx packages. The package holds the editor (plugwright) and \
plugwright-cli, which builds, exports, lists, extracts and checks packages from scripts.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The MIME, desktop-entry and icon caches are rebuilt by the file triggers that shared-mime-info,
# desktop-file-utils and gtk-update-icon-cache hold on these folders, on install and on removal
# alike, so the package needs no maintainer scripts of its own.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, shared-mime-info, desktop-file-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
