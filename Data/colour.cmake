# The colour engine: sample record, conversions, colour differences and the
# metamerism index. Pure C++ (no Qt), so that it tests and benchmarks without
# a window.
add_library(kv_colour STATIC
  ${CMAKE_CURRENT_LIST_DIR}/TData.h
  ${CMAKE_CURRENT_LIST_DIR}/TData.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ColorCalc.h
  ${CMAKE_CURRENT_LIST_DIR}/ColorCalcConversions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ColorCalcDifferences.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ColorCalcCiede2000.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ColorCalcMetamerism.cpp)
# "TData.h" and "Data/TData.h" both resolve.
target_include_directories(kv_colour PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_SOURCE_DIR})
target_link_libraries(kv_colour PUBLIC kv_spectra)
target_compile_features(kv_colour PUBLIC cxx_std_20)
set_target_properties(kv_colour PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
