# The maker's tool: its units on small blocks that each show one trap, its commands on real files.
# Natively under the label of the native tier; in the Windows build under Wine, each case listed
# through the emulator when ctest starts, as the other Wine tests are.
file(GLOB ZQ_MAKER_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*_test.cpp)
add_executable(tests_maker ${ZQ_MAKER_TESTS})
target_link_libraries(tests_maker PRIVATE zq_maker GTest::gtest_main)
zq_target(tests_maker)
if(WIN32)
  gtest_discover_tests(tests_maker TEST_PREFIX "${ZQ_WINE_TIER}.maker." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                       PROPERTIES LABELS ${ZQ_WINE_TIER} TIMEOUT 300)
else()
  gtest_discover_tests(tests_maker TEST_PREFIX "maker." PROPERTIES LABELS native)
endif()

# The built tool from outside, where its ends and its output are what is tested (host only).
if(NOT WIN32 AND NOT ZQ_SANITIZE)
  add_test(NAME maker.setupblock COMMAND ${CMAKE_CURRENT_LIST_DIR}/setupblock.sh $<TARGET_FILE:setupblock>
                                         ${CMAKE_BINARY_DIR}/maker-setupblock)
  set_tests_properties(maker.setupblock PROPERTIES LABELS native)
endif()
