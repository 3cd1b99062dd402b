# Densitometry pages: their step logic (kv_densito_model, no widgets, so it
# tests without a window) and the widgets that show it (kv_densito).
set(KV_DENSITO_DIR ${CMAKE_CURRENT_LIST_DIR}/densito)

if(TARGET kv_settings AND TARGET kv_colour AND TARGET kv_mathls)
  add_library(kv_densito_model STATIC
      ${KV_DENSITO_DIR}/DensityChannel.h
      ${KV_DENSITO_DIR}/DensityChannel.cpp
      ${KV_DENSITO_DIR}/DensityFormat.h
      ${KV_DENSITO_DIR}/DensityFormat.cpp
      ${KV_DENSITO_DIR}/DensityFormulas.h
      ${KV_DENSITO_DIR}/DensityFormulas.cpp
      ${KV_DENSITO_DIR}/DensitoState.h
      ${KV_DENSITO_DIR}/DensityPageModel.h
      ${KV_DENSITO_DIR}/DensityPageModel.cpp
      ${KV_DENSITO_DIR}/DensityDiffModel.h
      ${KV_DENSITO_DIR}/DensityDiffModel.cpp
      ${KV_DENSITO_DIR}/DotGainModel.h
      ${KV_DENSITO_DIR}/DotGainModel.cpp
      ${KV_DENSITO_DIR}/DotAreaModel.h
      ${KV_DENSITO_DIR}/DotAreaModel.cpp
      ${KV_DENSITO_DIR}/PrintContrastModel.h
      ${KV_DENSITO_DIR}/PrintContrastModel.cpp
      ${KV_DENSITO_DIR}/TrappingModel.h
      ${KV_DENSITO_DIR}/TrappingModel.cpp
      ${KV_DENSITO_DIR}/InkPurityModel.h
      ${KV_DENSITO_DIR}/InkPurityModel.cpp
      ${KV_DENSITO_DIR}/PrintCurveModel.h
      ${KV_DENSITO_DIR}/PrintCurveModel.cpp
      ${KV_DENSITO_DIR}/DotGainCurve.h
      ${KV_DENSITO_DIR}/DotGainCurveModel.h
      ${KV_DENSITO_DIR}/DotGainCurveModel.cpp)
  # "DensityFormat.h" from the pages, "Data/Config.h" and "main/densito/..." from elsewhere.
  target_include_directories(kv_densito_model PUBLIC ${KV_DENSITO_DIR} ${CMAKE_SOURCE_DIR})
  target_link_libraries(kv_densito_model PUBLIC Qt6::Core Qt6::Gui kv_settings kv_colour kv_mathls)
  set_target_properties(kv_densito_model PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endif()

if(TARGET kv_densito_model AND TARGET kv_eyeone AND TARGET kv_cms AND TARGET kv_look AND TARGET kv_graphs)
  add_library(kv_densito STATIC
      ${KV_DENSITO_DIR}/ReadDensities.h
      ${KV_DENSITO_DIR}/ReadDensities.cpp
      ${KV_DENSITO_DIR}/PageWidgets.h
      ${KV_DENSITO_DIR}/PageWidgets.cpp
      ${KV_DENSITO_DIR}/FilterComboBox.h
      ${KV_DENSITO_DIR}/FilterComboBox.cpp
      ${KV_DENSITO_DIR}/DensitometryPagesViews.h
      ${KV_DENSITO_DIR}/DensitometryPages.h
      ${KV_DENSITO_DIR}/DensitometryPages.cpp
      ${KV_DENSITO_DIR}/DensitometryPagesLayout.cpp
      ${KV_DENSITO_DIR}/ColorListPopup.h
      ${KV_DENSITO_DIR}/ColorListPopup.cpp
      ${KV_DENSITO_DIR}/CurvePages.cpp
      ${KV_DENSITO_DIR}/CurvePagesLayout.cpp)
  target_include_directories(kv_densito PUBLIC ${KV_DENSITO_DIR} ${CMAKE_SOURCE_DIR})
  target_link_libraries(kv_densito PUBLIC kv_densito_model Qt6::Widgets PRIVATE kv_eyeone kv_cms kv_look kv_graphs)
  set_target_properties(kv_densito PROPERTIES AUTOMOC ON)
endif()
