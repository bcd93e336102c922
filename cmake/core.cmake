# The pure logic: no <windows.h>, built for every target and tested natively.
add_library(tw_core STATIC
  app/keyboard.cpp
  app/layout.cpp
  app/picture.cpp
  clock/datetime_text.cpp
  platform/power.cpp
  platform/visual_scheme.cpp
  scheduler/schedule.cpp
  scheduler/text_number.cpp
  tray/icon_file.cpp
  tray/tray_model.cpp)
target_link_libraries(tw_core PUBLIC tw_flags ${TARNWICK_JPEG_LIBRARY})
target_include_directories(tw_core PUBLIC ${TARNWICK_JPEG_INCLUDE})
