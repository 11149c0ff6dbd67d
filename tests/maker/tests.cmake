# The maker's tool: its units on small blocks that each show one trap, its commands on real files.
# Natively under the label of the native tier; in the Windows build as one program under Wine.
file(GLOB ZQ_MAKER_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*_test.cpp)
add_executable(tests_maker ${ZQ_MAKER_TESTS})
target_link_libraries(tests_maker PRIVATE zq_maker GTest::gtest_main)
zq_target(tests_maker)
if(WIN32)
  add_test(NAME wine.maker COMMAND tests_maker)
  set_tests_properties(wine.maker PROPERTIES LABELS wine)
else()
  gtest_discover_tests(tests_maker TEST_PREFIX "maker." PROPERTIES LABELS native)
endif()
