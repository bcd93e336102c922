# Win32 tests: GoogleTest cross-built for MinGW, run in-process under wine64 on Xvfb.
set(gtest_prefix ${TARNWICK_DEPS}/gtest-x86_64)
add_library(tw_gtest STATIC IMPORTED)
set_target_properties(tw_gtest PROPERTIES IMPORTED_LOCATION ${gtest_prefix}/lib/libgtest.a
  INTERFACE_INCLUDE_DIRECTORIES ${gtest_prefix}/include)

add_executable(win_tests
  testing/win_test_main.cpp
  testing/win_test_support.cpp
  app/frame_wintest.cpp
  app/main_window_wintest.cpp
  app/version_wintest.cpp
  clock/clock_wintest.cpp
  platform/subclass_wintest.cpp
  platform/visual_style_wintest.cpp
  scheduler/schedule_wintest.cpp
  scheduler/text_number_wintest.cpp
  tray/tray_wintest.cpp
  ${tw_resources})
target_link_libraries(win_tests PRIVATE tw_win tw_gtest version comctl32)
set_target_properties(win_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

set(wine_run ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh)
set(display_env ${CMAKE_BINARY_DIR}/display.env)

# One Xvfb and one wineserver for the whole run, started before and stopped after.
add_test(NAME wine.start COMMAND ${CMAKE_SOURCE_DIR}/scripts/test-display.sh start ${display_env})
add_test(NAME wine.stop COMMAND ${CMAKE_SOURCE_DIR}/scripts/test-display.sh stop ${display_env})
set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine TIMEOUT 120)
set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)

# One ctest entry per suite; each runs alone (RUN_SERIAL) under the shared display.
foreach(suite MainWindowTest FatalTest CurrentDirectory ClockTick ScheduleTest TrayTest
        VersionRecord CodePage VisualStyleTest TextNumberLocale Subclass)
  add_test(NAME win32.${suite}
    COMMAND ${wine_run} ${display_env} $<TARGET_FILE:win_tests> --gtest_filter=${suite}.*)
  set_tests_properties(win32.${suite} PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL ON TIMEOUT 300
    ENVIRONMENT "TW_EXE_UNIX=$<TARGET_FILE:tarnwick>")
endforeach()

# End-to-end: the real program, real input, screenshots.
file(GLOB e2e_tests ${CMAKE_SOURCE_DIR}/e2e/test_*.sh)
foreach(script ${e2e_tests})
  get_filename_component(name ${script} NAME_WE)
  string(REPLACE "test_" "" name ${name})
  add_test(NAME e2e.${name} COMMAND ${script} ${display_env} $<TARGET_FILE:tarnwick>)
  set_tests_properties(e2e.${name} PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL ON TIMEOUT 600)
endforeach()

add_executable(probe e2e/probe.cpp)
set_target_properties(probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

# Last and alone: the real power-off request ends a Wine session of its own.
add_test(NAME e2e.zz_slow_poweroff COMMAND ${CMAKE_SOURCE_DIR}/e2e/slow_poweroff.sh $<TARGET_FILE:tarnwick>)
set_tests_properties(e2e.zz_slow_poweroff PROPERTIES RUN_SERIAL ON TIMEOUT 300 DEPENDS wine.stop)

# The benchmark's programs (scripts/bench.sh): the bare window, the launcher, the
# in-process measurements.
add_executable(bench_bare WIN32 bench/bare.cpp)
add_executable(bench_launch bench/launch.cpp)
add_executable(bench_inprocess bench/inprocess_bench.cpp testing/win_test_support.cpp ${tw_resources})
target_link_libraries(bench_inprocess PRIVATE tw_win)
foreach(t bench_bare bench_launch bench_inprocess)
  target_link_libraries(${t} PRIVATE tw_flags)
  set_target_properties(${t} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endforeach()
