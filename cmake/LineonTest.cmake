# lineon_add_test(name SOURCES a.cpp b.cpp [LIBS x y] [QT])
# Builds one GoogleTest (or, with QT, Qt Test) executable and registers it with ctest.
# Every test runs in the C locale with the offscreen Qt platform and knows where
# the repository's test data lie.
find_package(GTest REQUIRED)

function(lineon_add_test name)
  cmake_parse_arguments(T "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE lineon_core ${T_LIBS})
  # Tests build rows with designated initializers that leave defaulted members out.
  target_compile_options(${name} PRIVATE -Wno-missing-field-initializers)
  target_compile_definitions(${name} PRIVATE
    LINEON_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    LINEON_TEST_OUTPUT_DIR="${CMAKE_BINARY_DIR}/test-output")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(T_QT)
    add_test(NAME ${name} COMMAND ${name})
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  endif()
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "LC_ALL=C;QT_QPA_PLATFORM=offscreen;LINEON_CLI=$<TARGET_FILE:lineon-cli>"
    FIXTURES_SETUP lineon_outputs)
endfunction()
