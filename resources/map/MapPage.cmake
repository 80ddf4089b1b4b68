# The map page qrc:/DVR/map2.html with Leaflet beside it (qrc:/DVR/leaflet/): Leaflet comes from
# npm at a pinned version at build time, and both are compiled into the program, so showing
# the map needs the network only for its tiles.
set(KORIV_LEAFLET_VERSION 1.9.4)
set(KORIV_MAP_SOURCE ${PROJECT_SOURCE_DIR}/resources/map)
set(KORIV_LEAFLET_PREFIX ${CMAKE_CURRENT_BINARY_DIR}/leaflet)
set(KORIV_LEAFLET_STAMP ${KORIV_LEAFLET_PREFIX}/.leaflet-${KORIV_LEAFLET_VERSION})
set(KORIV_LEAFLET_DIST ${KORIV_LEAFLET_PREFIX}/node_modules/leaflet/dist)
add_custom_command(OUTPUT ${KORIV_LEAFLET_STAMP}
  COMMAND ${KORIV_MAP_SOURCE}/install-leaflet.sh ${KORIV_LEAFLET_PREFIX} ${KORIV_LEAFLET_VERSION}
  DEPENDS ${KORIV_MAP_SOURCE}/install-leaflet.sh
  COMMENT "Installing Leaflet from npm")

set(KORIV_MAP_QRC ${CMAKE_CURRENT_BINARY_DIR}/map.qrc)
set(KORIV_LEAFLET_FILES leaflet.js leaflet.css images/layers.png images/layers-2x.png
  images/marker-icon.png images/marker-icon-2x.png images/marker-shadow.png)
set(KORIV_MAP_QRC_TEXT "<RCC>\n  <qresource prefix=\"/DVR\">\n")
string(APPEND KORIV_MAP_QRC_TEXT "    <file alias=\"map2.html\">${KORIV_MAP_SOURCE}/map2.html</file>\n")
string(APPEND KORIV_MAP_QRC_TEXT "    <file alias=\"map.js\">${KORIV_MAP_SOURCE}/map.js</file>\n")
string(APPEND KORIV_MAP_QRC_TEXT "    <file alias=\"trip-layer.js\">${KORIV_MAP_SOURCE}/trip-layer.js</file>\n")
foreach(file ${KORIV_LEAFLET_FILES})
  string(APPEND KORIV_MAP_QRC_TEXT "    <file alias=\"leaflet/${file}\">${KORIV_LEAFLET_DIST}/${file}</file>\n")
endforeach()
string(APPEND KORIV_MAP_QRC_TEXT "  </qresource>\n</RCC>\n")
file(GENERATE OUTPUT ${KORIV_MAP_QRC} CONTENT "${KORIV_MAP_QRC_TEXT}")

set(KORIV_MAP_CPP ${CMAKE_CURRENT_BINARY_DIR}/qrc_map.cpp)
add_custom_command(OUTPUT ${KORIV_MAP_CPP}
  COMMAND Qt6::rcc --name map ${KORIV_MAP_QRC} -o ${KORIV_MAP_CPP}
  DEPENDS ${KORIV_MAP_QRC} ${KORIV_LEAFLET_STAMP} ${KORIV_MAP_SOURCE}/map2.html ${KORIV_MAP_SOURCE}/map.js
          ${KORIV_MAP_SOURCE}/trip-layer.js
  COMMENT "Bundling the map page")
add_library(koriv_map_page OBJECT ${KORIV_MAP_CPP})
target_link_libraries(koriv_map_page PRIVATE Qt6::Core)
