# What `cmake --install` puts on the machine, and the Debian package CPack makes of it.

include(GNUInstallDirs)

install(TARGETS setsdrill RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(UNIX AND NOT APPLE)
  set(SETSDRILL_DESKTOP_FILE ${CMAKE_CURRENT_BINARY_DIR}/${SETSDRILL_APP_ID}.desktop)
  set(SETSDRILL_METAINFO_FILE ${CMAKE_CURRENT_BINARY_DIR}/${SETSDRILL_APP_ID}.metainfo.xml)
  configure_file(packaging/setsdrill.desktop.in ${SETSDRILL_DESKTOP_FILE} @ONLY)
  configure_file(packaging/setsdrill.metainfo.xml.in ${SETSDRILL_METAINFO_FILE} @ONLY)
  install(FILES ${SETSDRILL_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${SETSDRILL_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES packaging/setsdrill.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${SETSDRILL_APP_ID}.svg)

  # The documents a Debian package carries: the copyright in Debian's machine-
  # readable form, the changelog and the manual page, the last two compressed
  # as Debian keeps them (gzip -9n: no name, no time stamp).
  include(packaging/debian/maintainer.cmake)
  set(SETSDRILL_DEBIAN_DIR ${CMAKE_CURRENT_BINARY_DIR}/debian)
  configure_file(packaging/debian/changelog.in ${SETSDRILL_DEBIAN_DIR}/changelog @ONLY)
  configure_file(packaging/debian/setsdrill.1.in ${SETSDRILL_DEBIAN_DIR}/${SETSDRILL_EXECUTABLE}.1 @ONLY)
  find_program(GZIP gzip REQUIRED)
  set(_compressed)
  foreach(_doc changelog ${SETSDRILL_EXECUTABLE}.1)
    add_custom_command(OUTPUT ${SETSDRILL_DEBIAN_DIR}/${_doc}.gz
                       COMMAND ${GZIP} -9nkf ${_doc}
                       DEPENDS ${SETSDRILL_DEBIAN_DIR}/${_doc}
                       WORKING_DIRECTORY ${SETSDRILL_DEBIAN_DIR}
                       VERBATIM)
    list(APPEND _compressed ${SETSDRILL_DEBIAN_DIR}/${_doc}.gz)
  endforeach()
  add_custom_target(debian_documents ALL DEPENDS ${_compressed})
  install(FILES packaging/debian/copyright ${SETSDRILL_DEBIAN_DIR}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES ${SETSDRILL_DEBIAN_DIR}/${SETSDRILL_EXECUTABLE}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_PACKAGE_NAME ${SETSDRILL_EXECUTABLE})
set(CPACK_PACKAGE_VENDOR "${SETSDRILL_DEVELOPER}")
if(SETSDRILL_MAINTAINER)
  set(CPACK_PACKAGE_CONTACT "${SETSDRILL_MAINTAINER}")
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Lines of at most 80 characters, as Debian's package tools show them.
set(CPACK_PACKAGE_DESCRIPTION
    "Lessons and exercises for Arabic-speaking pupils on the school mathematics
of sets: writing a set by listing its elements, membership and inclusion,
intersection and union read from a diagram, and a blackboard for the teacher.
The whole interface is Arabic and reads right to left.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The Qt libraries come from the program's own links; the fonts it maps the
# lessons' typefaces to are named here (app/fonts.cpp), and Qt's own Arabic
# texts (app/qt_translations.cpp).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-noto-ui-core, fonts-noto-core, fonts-liberation2, fonts-hosny-amiri, fonts-dejavu-core, qt6-translations-l10n")
# Wayland sessions run it natively with this; X11 needs nothing more.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
