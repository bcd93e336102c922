if(TARNWICK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

find_package(JPEG REQUIRED)
set(TARNWICK_JPEG_LIBRARY JPEG::JPEG)
set(TARNWICK_JPEG_INCLUDE "")
include(cmake/core.cmake)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

add_executable(native_tests
  app/data_test.cpp
  app/keyboard_test.cpp
  app/layout_test.cpp
  app/picture_test.cpp
  clock/datetime_text_test.cpp
  platform/power_test.cpp
  platform/visual_scheme_test.cpp
  scheduler/schedule_test.cpp
  scheduler/text_number_test.cpp
  tray/icon_file_test.cpp
  tray/tray_model_test.cpp)
target_link_libraries(native_tests PRIVATE tw_core GTest::gtest_main)
target_compile_definitions(native_tests PRIVATE TARNWICK_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
gtest_discover_tests(native_tests TEST_PREFIX "native." DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
  PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1")

# Data generators: the icon file and the picture are committed; these make them again.
add_executable(make_icon app/data/make_icon.cpp)
add_executable(make_picture app/data/make_picture.cpp)
target_link_libraries(make_picture PRIVATE JPEG::JPEG)
add_test(NAME native.data.icon_regenerates_identically
  COMMAND sh -c "$<TARGET_FILE:make_icon> icon.ico >/dev/null && cmp icon.ico ${CMAKE_SOURCE_DIR}/app/data/tarnwick.ico")
add_test(NAME native.data.picture_regenerates_identically
  COMMAND sh -c "$<TARGET_FILE:make_picture> picture.jpg >/dev/null && cmp picture.jpg ${CMAKE_SOURCE_DIR}/app/data/picture.jpg")

# Short fuzzing runs from the committed seed corpora (libFuzzer needs clang).
foreach(target text_number icon_file picture)
  add_test(NAME native.fuzz.${target}
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/fuzz.sh ${target} 20000)
  set_tests_properties(native.fuzz.${target} PROPERTIES TIMEOUT 600)
endforeach()
