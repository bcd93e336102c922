message(STATUS "Win32 tests: none yet")
