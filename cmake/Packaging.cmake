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

# Debian keeps manual pages and changelogs gzipped at the highest level; -n leaves the file's name
# and time out of the header, so that the same text always gives the same bytes. Compressed when
# installed, so that the build targets need not know about it.
find_program(GZIP_PROGRAM gzip REQUIRED)
# What the install makes of the sources goes here first.
set(packaging_dir ${PROJECT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${packaging_dir})
function(install_gzipped source destination)
  get_filename_component(name ${source} NAME)
  set(compressed ${packaging_dir}/${name}.gz)
  install(CODE "
    execute_process(COMMAND \"${GZIP_PROGRAM}\" -9 -n -c \"${source}\"
                    OUTPUT_FILE \"${compressed}\" COMMAND_ERROR_IS_FATAL ANY)")
  install(FILES ${compressed} DESTINATION ${destination})
endfunction()

# CMake's strip keeps the compiler's .comment and .note sections, which Debian's dh_strip removes.
function(install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set(installed
      "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:${target}>")
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                              \"${installed}\" COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endfunction()

if(TARGET plugwright-cli)
  install_program(plugwright-cli)
  install_gzipped(${PROJECT_SOURCE_DIR}/man/plugwright-cli.1 ${CMAKE_INSTALL_MANDIR}/man1)
endif()

if(TARGET plugwright)
  install_program(plugwright)
  install_gzipped(${PROJECT_SOURCE_DIR}/man/plugwright.1 ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${data_dir}/qorvix-plugwright.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${data_dir}/qorvix-plugwright.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  # What software centres show of the editor.
  install(FILES ${data_dir}/example.qorvix.plugwright.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  set(icon_theme_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${data_dir}/icons/plugwright.svg DESTINATION ${icon_theme_dir}/scalable/apps)
  # One folder per size that scripts/make-icons.sh rendered.
  file(GLOB icon_sizes RELATIVE ${data_dir}/icons ${data_dir}/icons/*x*)
  foreach(size IN LISTS icon_sizes)
    install(FILES ${data_dir}/icons/${size}/plugwright.png DESTINATION ${icon_theme_dir}/${size}/apps)
  endforeach()
endif()

install(FILES README.md ${data_dir}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install_gzipped(${data_dir}/changelog ${CMAKE_INSTALL_DOCDIR})
# The README links LICENSE; the copyright file holds the same licence text, and Debian wants
# that one copy only.
file(CREATE_LINK copyright ${packaging_dir}/LICENSE SYMBOLIC)
install(FILES ${packaging_dir}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})
# Every document with its pictures, beside the README as in the repository, so that the links
# between them hold.
file(GLOB documents ${PROJECT_SOURCE_DIR}/docs/*.md ${PROJECT_SOURCE_DIR}/docs/*.png)
install(FILES ${documents} DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)
file(GLOB examples ${PROJECT_SOURCE_DIR}/examples/*.json)
install(FILES ${examples} DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plugwright)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Qorvix Plugwright authors")
# The same address signs the entries of data/changelog. The project's domain is the one the editor
# itself names for sending plugins in.
set(CPACK_PACKAGE_CONTACT "The Qorvix Plugwright authors <plugwright@qorvix.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://qorvix.example/plugwright/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for Qorvix plugins")
# Lines as dpkg and apt show them: CPack indents each one but wraps none.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Qorvix is a phone application that edits settings in a Symbian phone's"
  "Central Repository. Qorvix Plugwright writes its plugins: lists of tweak"
  "items, each naming one setting and how the phone presents it, saved as .qvx"
  "packages."
  ""
  "The package holds the editor (plugwright) and plugwright-cli, which builds,"
  "exports, lists, extracts and checks packages from scripts.")
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
