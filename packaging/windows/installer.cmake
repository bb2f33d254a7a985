# The Windows program's icon and version resource, what it installs, and the
# installer CPack makes of it with NSIS (packaging/windows/NSIS.template.in).

# The icon, drawn from the same picture as the Linux one, at the sizes Windows uses.
if(TARGET setsdrill_rasterize)
  set(rasterizer $<TARGET_FILE:setsdrill_rasterize>)
else()
  set(SETSDRILL_RASTERIZER "" CACHE FILEPATH "setsdrill_rasterize of a build with Qt SVG, run on this machine")
  set(rasterizer ${SETSDRILL_RASTERIZER})
endif()
set(SETSDRILL_ICO ${CMAKE_BINARY_DIR}/packaging/${SETSDRILL_EXECUTABLE}.ico)
add_custom_command(OUTPUT ${SETSDRILL_ICO}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          ${rasterizer} icon ${SETSDRILL_ICO} ${CMAKE_SOURCE_DIR}/packaging/setsdrill.svg
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/setsdrill.svg ${rasterizer}
  COMMENT "Drawing the program's icon"
  VERBATIM)
set(rc ${CMAKE_BINARY_DIR}/packaging/setsdrill.rc)
configure_file(${CMAKE_CURRENT_LIST_DIR}/setsdrill.rc.in ${rc} @ONLY)
set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${SETSDRILL_ICO})
target_sources(setsdrill PRIVATE ${rc})

# Everything in one folder: the program, what platform.cmake lists, the licences.
install(TARGETS setsdrill RUNTIME DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION licenses RENAME setsdrill.txt)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION licenses RENAME qt-lgpl-3.txt)
install(FILES /usr/share/doc/fonts-liberation2/copyright DESTINATION licenses RENAME fonts-liberation.txt)
install(FILES /usr/share/doc/fonts-noto-core/copyright DESTINATION licenses RENAME fonts-noto.txt)

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME ${SETSDRILL_EXECUTABLE})
set(CPACK_PACKAGE_VENDOR "${SETSDRILL_DEVELOPER}")
set(CPACK_PACKAGE_FILE_NAME ${SETSDRILL_EXECUTABLE}-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${SETSDRILL_EXECUTABLE})
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${SETSDRILL_EXECUTABLE})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_NSIS_PACKAGE_NAME "${SETSDRILL_TITLE}")
set(CPACK_NSIS_DISPLAY_NAME "${SETSDRILL_TITLE}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_MUI_ICON ${SETSDRILL_ICO})
set(CPACK_NSIS_MUI_UNIICON ${SETSDRILL_ICO})
set(CPACK_NSIS_INSTALLED_ICON_NAME ${SETSDRILL_EXECUTABLE}.exe)
set(CPACK_NSIS_URL_INFO_ABOUT "${PROJECT_HOMEPAGE_URL}")
set(CPACK_NSIS_CONTACT "${SETSDRILL_CONTACT}")
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}) # our NSIS.template.in
include(CPack)
