# The pictures for a Qt without its SVG module: each SVG rendered at build time
# into PNGs at its own size and at twice and three times it (app/assets.cpp picks
# the one a drawing needs), by setsdrill_rasterize built on this machine with
# its own Qt SVG.
set(SETSDRILL_RASTERIZER "" CACHE FILEPATH "setsdrill_rasterize of a build with Qt SVG, run on this machine")
if(NOT EXISTS "${SETSDRILL_RASTERIZER}")
  message(FATAL_ERROR "Without Qt SVG the pictures are rendered by SETSDRILL_RASTERIZER, "
                      "the setsdrill_rasterize of a build with Qt SVG (now: '${SETSDRILL_RASTERIZER}')")
endif()

set(SETSDRILL_PICTURES_DIR ${CMAKE_BINARY_DIR}/pictures)
set(svgs)
set(pngs)
set(plain)
foreach(asset IN LISTS SETSDRILL_ASSETS)
  if(asset MATCHES "\\.svg$")
    get_filename_component(base ${asset} NAME_WE)
    list(APPEND svgs ${CMAKE_SOURCE_DIR}/${asset})
    foreach(suffix "" "@2x" "@3x")
      list(APPEND pngs ${SETSDRILL_PICTURES_DIR}/assets/${base}${suffix}.png)
    endforeach()
  else()
    list(APPEND plain ${asset})
  endif()
endforeach()
add_custom_command(OUTPUT ${pngs}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          ${SETSDRILL_RASTERIZER} pictures ${SETSDRILL_PICTURES_DIR}/assets ${svgs}
  DEPENDS ${svgs} ${SETSDRILL_RASTERIZER}
  COMMENT "Rendering the pictures to PNG at 1x, 2x and 3x"
  VERBATIM)
qt_add_resources(setsdrill_core "pictures" PREFIX "/" BASE ${SETSDRILL_PICTURES_DIR} FILES ${pngs})
if(plain)
  qt_add_resources(setsdrill_core "assets" PREFIX "/" FILES ${plain})
endif()
