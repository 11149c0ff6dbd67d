# Test tiers: `native` (host build, also under the sanitizers), `wine` (the same unit tests and the
# platform layer, cross-built and run through wine64), `e2e` (the real Setup.exe driven from outside).
# The i686 build runs the same Windows tiers as `wine32` and `e2e32`, under Wine's WoW64 mode.
if(ZQ_MINGW_ARCH STREQUAL "i686")
  set(ZQ_WINE_TIER wine32)
  set(ZQ_E2E_TIER e2e32)
else()
  set(ZQ_WINE_TIER wine)
  set(ZQ_E2E_TIER e2e)
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# One test program per folder of tests/. Files named *_test.cpp run in both tiers, *_wintest.cpp
# only under Wine.
set(ZQ_TEST_FOLDERS lib platform install forms)
foreach(folder ${ZQ_TEST_FOLDERS})
  file(GLOB sources CONFIGURE_DEPENDS tests/${folder}/*_test.cpp)
  if(WIN32)
    file(GLOB win_sources CONFIGURE_DEPENDS tests/${folder}/*_wintest.cpp)
    list(APPEND sources ${win_sources})
  endif()
  if(NOT sources)
    continue()
  endif()
  set(target tests_${folder})
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE zq_core GTest::gtest_main)
  if(WIN32)
    # The accessibility interface, as assistive technology reads the windows.
    target_link_libraries(${target} PRIVATE oleacc oleaut32)
  endif()
  zq_target(${target})
  if(WIN32)
    # Listed through the emulator when ctest starts, so that each case runs in its own process
    # and a crash fails that case alone.
    gtest_discover_tests(${target} TEST_PREFIX "${ZQ_WINE_TIER}.${folder}." DISCOVERY_MODE PRE_TEST
                         DISCOVERY_TIMEOUT 120 PROPERTIES LABELS ${ZQ_WINE_TIER} TIMEOUT 300)
  else()
    gtest_discover_tests(${target} TEST_PREFIX "${folder}." PROPERTIES LABELS native)
  endif()
endforeach()

# A program with Setup.exe's ends whose allocations fail on demand, started by the lib tests.
if(WIN32)
  add_executable(zq_ende_kind tests/lib/_zq_Ende_1_kind.cpp)
  target_link_libraries(zq_ende_kind PRIVATE zq_ende zq_core)
  target_link_options(zq_ende_kind PRIVATE -Wl,--wrap=malloc)
  zq_target(zq_ende_kind)
  add_dependencies(tests_lib zq_ende_kind)
endif()

include(tests/maker/tests.cmake)

if(WIN32)
  add_subdirectory(tests/e2e)
endif()

# Pictures of the main window's pages for people to look at; scripts/test runs it.
if(WIN32)
  add_executable(zq_screens WIN32 tests/screens/screens.cpp)
  target_link_libraries(zq_screens PRIVATE zq_core)
  zq_target(zq_screens)
endif()

# The kernel probe of scripts/wow64, which decides whether the i686 tiers can run (host only).
if(NOT WIN32 AND NOT ZQ_SANITIZE)
  add_test(NAME scripts.wow64_probe COMMAND ${CMAKE_SOURCE_DIR}/tests/scripts/wow64_probe.sh ${CMAKE_BINARY_DIR}/probe-test)
  set_tests_properties(scripts.wow64_probe PROPERTIES LABELS native)
  add_test(NAME scripts.gtest_batch COMMAND ${CMAKE_SOURCE_DIR}/tests/scripts/gtest_batch.sh ${CMAKE_BINARY_DIR}/gtest-batch-test)
  set_tests_properties(scripts.gtest_batch PROPERTIES LABELS native)
  # Run by scripts/test after the i686 tiers, when the emulated machine's image may have been made.
  add_test(NAME scripts.vm COMMAND ${CMAKE_SOURCE_DIR}/tests/scripts/vm.sh ${CMAKE_BINARY_DIR}/vm-test)
  set_tests_properties(scripts.vm PROPERTIES LABELS scripts-vm TIMEOUT 900)
endif()

# The headers fuzzed for a few seconds in every run (natively and under the sanitizers; scripts/fuzz
# runs it longer): installer and maker's tool must agree on every input.
if(NOT WIN32)
  add_executable(zq_fuzz_fenster tests/fuzz/Fenster_fuzz.cpp)
  target_link_libraries(zq_fuzz_fenster PRIVATE zq_maker)
  zq_target(zq_fuzz_fenster)
  add_test(NAME fuzz.fenster COMMAND zq_fuzz_fenster 3 ${CMAKE_SOURCE_DIR}/tests/fuzz/seeds WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(fuzz.fenster PROPERTIES LABELS native)
endif()
