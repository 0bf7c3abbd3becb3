# What a desktop installation holds besides the two programs, and the Debian
# package made from the same install rules (cpack -G DEB, or
# scripts/package.sh):
#   /usr/bin/yq, /usr/bin/yq-calc
#   /usr/libexec/yq/yq-calc-pages (yq-calc's report and build-sheet commands)
#   /usr/share/applications/yq.desktop
#   /usr/share/icons/hicolor/scalable/apps/yq.svg and NxN/apps/yq.png
#   /usr/share/metainfo/example.yq_antenna.yq.metainfo.xml
#   /usr/share/man/man1/yq.1.gz, yq-calc.1.gz
#   /usr/share/doc/yq/copyright, changelog.gz
#
# The PNG icons are rendered from the SVG by yq-render-icon, the manual pages
# made from the programs' --help by help2man (with man/*.h2m for the
# sections --help has no room for); without help2man there are no manual
# pages and a package cannot be made.

set(YQ_GENERATED ${PROJECT_BINARY_DIR}/share)
set(YQ_ICON_SIZES 16 22 24 32 48 64 128 256)

install(FILES ${PROJECT_SOURCE_DIR}/resources/yq.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/yq.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/resources/example.yq_antenna.yq.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon in every usual size.
set(icon_pngs)
foreach(size IN LISTS YQ_ICON_SIZES)
  list(APPEND icon_pngs ${YQ_GENERATED}/icons/${size}x${size}/apps/yq.png)
endforeach()
add_custom_command(
  OUTPUT ${icon_pngs}
  COMMAND yq-render-icon ${PROJECT_SOURCE_DIR}/resources/icons/yq.svg ${YQ_GENERATED}/icons ${YQ_ICON_SIZES}
  DEPENDS yq-render-icon ${PROJECT_SOURCE_DIR}/resources/icons/yq.svg
  COMMENT "Rendering the icon's PNG sizes"
  VERBATIM)
add_custom_target(yq-icons ALL DEPENDS ${icon_pngs})
install(DIRECTORY ${YQ_GENERATED}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor
        FILES_MATCHING PATTERN "*.png")

# Compressed as Debian wants them: gzip -9 without a name or time stamp.
find_program(GZIP_PROGRAM gzip REQUIRED)

# The manual pages, from --help and --version of the built programs.
find_program(HELP2MAN_PROGRAM help2man)
if(HELP2MAN_PROGRAM)
  set(man_pages)
  foreach(program yq yq-calc)
    if(program STREQUAL "yq")
      set(summary "design calculator for the YQ antenna")
    else()
      set(summary "YQ antenna design calculator on the command line")
    endif()
    set(page ${YQ_GENERATED}/man/${program}.1)
    add_custom_command(
      OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${YQ_GENERATED}/man
      # A display is never needed: --help answers before any window. The
      # pages are English whatever the builder's language.
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LANGUAGE=en LC_ALL=C.UTF-8
              ${HELP2MAN_PROGRAM} --no-info --section=1 --name=${summary} --version-string=${PROJECT_VERSION}
              --include=${PROJECT_SOURCE_DIR}/man/${program}.h2m --output=${page} $<TARGET_FILE:${program}>
      COMMAND ${GZIP_PROGRAM} -9nf ${page}
      DEPENDS ${program} ${PROJECT_SOURCE_DIR}/man/${program}.h2m
      COMMENT "Making the manual page ${program}(1)"
      VERBATIM)
    list(APPEND man_pages ${page}.gz)
  endforeach()
  add_custom_target(yq-man ALL DEPENDS ${man_pages})
  install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(STATUS "help2man not found: no manual pages (bash scripts/setup.sh installs it)")
endif()

# The licence and the history, where Debian keeps them.
set(changelog ${YQ_GENERATED}/doc/changelog.gz)
add_custom_command(
  OUTPUT ${changelog}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${YQ_GENERATED}/doc
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/changelog ${YQ_GENERATED}/doc/changelog
  COMMAND ${GZIP_PROGRAM} -9nf ${YQ_GENERATED}/doc/changelog
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
  VERBATIM)
add_custom_target(yq-doc ALL DEPENDS ${changelog})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${changelog}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/yq)

# The Debian package. CPack's DEB generator packs exactly what the install
# rules above put under the prefix; dpkg-shlibdeps (dpkg-dev) works out the
# libraries' packages for Depends from the binaries themselves.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME yq)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "YQ antenna designers")
set(CPACK_PACKAGE_CONTACT "YQ design feedback <design-feedback@yq-antenna.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design calculator for the YQ antenna")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop program with which radio amateurs design the YQ antenna they build
themselves: two cylinders on one axis, a tuning coil, a phasing coil and wire,
and a source coil. Enter the frequency and a few physical choices, in inches
or millimetres, and it computes every build dimension and electrical figure
with exact decimal arithmetic, saves designs and a results table, prints a
design report and mails results through the desktop's mail program.
.
yq-calc computes the same designs on the command line, for scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts the layouts are measured with (Arial's metrics); with another
# face every text still keeps to its room, at a smaller size where it must.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Started by the program: the desktop's handler look-up and xdg-email, and
# nec2c for the Simulation tab and yq-calc simulate; Qt's own dialogs in the
# program's language, and the Japanese letters.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, nec2c, qt6-translations-l10n, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libreoffice-calc | gnumeric, thunderbird | evolution | kmail | claws-mail")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://yq-antenna.example/")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
