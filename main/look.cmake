# The main window's view: frame, owner-drawn page controls, status bar,
# artwork drawn in code, fonts, skins, languages and screenshots.
add_library(kv_look STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/look/Artwork.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/look/Artwork.h
  ${CMAKE_CURRENT_SOURCE_DIR}/look/Fonts.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/look/Fonts.h
  ${CMAKE_CURRENT_SOURCE_DIR}/look/MainWindowView.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/look/MainWindowView.h
  ${CMAKE_CURRENT_SOURCE_DIR}/look/PageControl.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/look/PageControl.h
  ${CMAKE_CURRENT_SOURCE_DIR}/look/Screenshots.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/look/Screenshots.h
  ${CMAKE_CURRENT_SOURCE_DIR}/look/ScrollText.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/look/ScrollText.h
  ${CMAKE_CURRENT_SOURCE_DIR}/look/Skins.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/look/Skins.h
  ${CMAKE_CURRENT_SOURCE_DIR}/look/StatusPanels.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/look/StatusPanels.h
  ${CMAKE_CURRENT_SOURCE_DIR}/look/TabDrawing.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/look/TabDrawing.h
  ${CMAKE_CURRENT_SOURCE_DIR}/look/TiledPage.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/look/TiledPage.h
)
target_include_directories(kv_look PUBLIC
  ${CMAKE_SOURCE_DIR}
  ${CMAKE_CURRENT_SOURCE_DIR}
  ${CMAKE_CURRENT_SOURCE_DIR}/look)
target_link_libraries(kv_look PUBLIC Qt6::Widgets)
set_target_properties(kv_look PROPERTIES AUTOMOC ON)
