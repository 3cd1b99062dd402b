# The main window's view: frame, owner-drawn page controls, status bar,
# artwork drawn in code, fonts, skins, languages and screenshots.
add_library(kv_look STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/look/Artwork.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/look/Artwork.h
  ${CMAKE_CURRENT_SOURCE_DIR}/look/Captions.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/look/Captions.h
  ${CMAKE_CURRENT_SOURCE_DIR}/look/Fonts.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/look/Fonts.h
  ${CMAKE_CURRENT_SOURCE_DIR}/look/MainWindowView.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/look/MainWindowView.h
  ${CMAKE_CURRENT_SOURCE_DIR}/look/PageControl.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/look/PaintBox.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/look/PaintBox.h
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
target_link_libraries(kv_look PUBLIC kv_graphs Qt6::Widgets)
set_target_properties(kv_look PROPERTIES AUTOMOC ON)

# Translations: translations/kelvora_<code>.ts compile to .qm at build time and
# are embedded under ":/i18n" (translations/update.sh collects the texts).
target_sources(kv_look PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/look/Translations.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/look/Translations.h)
file(GLOB KV_TS_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/kelvora_*.ts)
if(KV_TS_FILES)
  set_source_files_properties(${KV_TS_FILES} PROPERTIES OUTPUT_LOCATION ${CMAKE_CURRENT_BINARY_DIR}/i18n)
  qt_add_lrelease(kv_look TS_FILES ${KV_TS_FILES} NO_GLOBAL_TARGET QM_FILES_OUTPUT_VARIABLE KV_QM_FILES)
  qt_add_resources(kv_look kv_translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}/i18n FILES ${KV_QM_FILES})
endif()
