# The Windows program (MinGW-w64, static) and the Win32 tests that run under Wine.
set(jpeg_prefix ${TARNWICK_DEPS}/jpeg-${CMAKE_SYSTEM_PROCESSOR})
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "AMD64")
  set(jpeg_prefix ${TARNWICK_DEPS}/jpeg-x86_64)
else()
  set(jpeg_prefix ${TARNWICK_DEPS}/jpeg-i686)
endif()
set(TARNWICK_JPEG_LIBRARY ${jpeg_prefix}/lib/libjpeg.a)
set(TARNWICK_JPEG_INCLUDE ${jpeg_prefix}/include)

# MinGW's own C99 printf, so formatting agrees with the native build; lean, static output.
add_compile_definitions(__USE_MINGW_ANSI_STDIO=1 WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
# Checked std::string and containers; it also keeps std::string's members inline, so only
# the ones the program uses are linked.
add_compile_definitions(_GLIBCXX_ASSERTIONS)
# One UI thread: function-local statics need no thread-safe guards.
add_compile_options(-ffunction-sections -fdata-sections $<$<COMPILE_LANGUAGE:CXX>:-fno-threadsafe-statics>)
add_link_options(-static -Wl,--gc-sections)
set(CMAKE_CXX_FLAGS_MINSIZEREL "-Os -DNDEBUG")
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL "-s")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR} -c 65001")

include(cmake/core.cmake)

add_library(tw_win STATIC
  app/fatal.cpp
  app/frame.cpp
  app/main_window.cpp
  app/resources.cpp
  app/self_drawn.cpp
  app/timer_control.cpp
  clock/clock.cpp
  platform/power_win.cpp
  platform/subclass.cpp
  platform/visual_style.cpp
  scheduler/schedule_win.cpp
  tray/tray_icon.cpp)
target_link_libraries(tw_win PUBLIC tw_core tw_flags gdi32 user32 advapi32)

# The resources go straight into each executable (a static library would drop them).
set(tw_resources ${CMAKE_SOURCE_DIR}/app/tarnwick.rc)
set_source_files_properties(${tw_resources} PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/app/data/tarnwick.ico;${CMAKE_SOURCE_DIR}/app/data/picture.jpg;${CMAKE_SOURCE_DIR}/app/resource_ids.h")

add_executable(tarnwick WIN32 app/main.cpp app/lean_runtime.cpp ${tw_resources})
target_link_libraries(tarnwick PRIVATE tw_win)
set_target_properties(tarnwick PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "AMD64")
  include(cmake/wintests.cmake)
endif()
