# marlowen_add_gtest(NAME <module.unit> SOURCES ... LIBS ...)
#   A GoogleTest executable registered as one CTest test per test case, named <module.unit>.<case>.
# marlowen_add_qtest(NAME <module.unit> SOURCES ... LIBS ...)
#   A QtTest executable registered as one CTest test that runs under the offscreen platform.
include(GoogleTest)

function(marlowen_add_gtest)
  cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBS" ${ARGN})
  string(REPLACE "." "_" target "test_${ARG_NAME}")
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main marlowen_warnings)
  gtest_discover_tests(${target} TEST_PREFIX "${ARG_NAME}." DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "MARLOWEN_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
endfunction()

function(marlowen_add_qtest)
  cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBS" ${ARGN})
  string(REPLACE "." "_" target "test_${ARG_NAME}")
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets marlowen_warnings)
  add_test(NAME ${ARG_NAME} COMMAND ${target})
  set_tests_properties(${ARG_NAME} PROPERTIES ENVIRONMENT
                       "QT_QPA_PLATFORM=offscreen;MARLOWEN_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
endfunction()
