# The application shell: the main window with its start-up sequence and
# measurement loop (kv_shell), and the executable that runs it.

# The dialogs draw the look's artwork and fonts once that library exists.
if(TARGET kv_look)
  foreach(dialog kv_calibrwin kv_measurep)
    if(TARGET ${dialog})
      target_link_libraries(${dialog} PRIVATE kv_look)
      target_compile_definitions(${dialog} PRIVATE KV_HAVE_LOOK)
    endif()
  endforeach()
endif()

# The main window needs its view and its page groups.
set(KV_SHELL_NEEDS kv_look kv_densito kv_spectro kv_cms kv_colour kv_settings kv_eye1lib kv_calibrwin kv_measurep)
set(KV_SHELL_READY ON)
foreach(needed IN LISTS KV_SHELL_NEEDS)
  if(NOT TARGET ${needed})
    set(KV_SHELL_READY OFF)
  endif()
endforeach()

if(KV_SHELL_READY)
  add_library(kv_shell STATIC
      ${CMAKE_CURRENT_LIST_DIR}/LanguageChooser.cpp
      ${CMAKE_CURRENT_LIST_DIR}/LanguageChooser.h
      ${CMAKE_CURRENT_LIST_DIR}/MainForm.cpp
      ${CMAKE_CURRENT_LIST_DIR}/MainForm.h
      ${CMAKE_CURRENT_LIST_DIR}/PageHost.h
      ${CMAKE_CURRENT_LIST_DIR}/log/MeasureLogHost.cpp
      ${CMAKE_CURRENT_LIST_DIR}/log/MeasureLogHost.h)
  target_include_directories(kv_shell PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_CURRENT_LIST_DIR}/log)
  target_link_libraries(kv_shell PUBLIC ${KV_SHELL_NEEDS} kv_measurelog kv_eyeone Qt6::Widgets)
  set_target_properties(kv_shell PROPERTIES AUTOMOC ON)

  add_executable(kelvora ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
  target_link_libraries(kelvora PRIVATE kv_shell)
  if(TARGET kv_display_profile)
    add_dependencies(kelvora kv_display_profile)
  endif()
endif()
