# Helpers for the two kinds of test binaries.
#
#   lumaret_native_test(name SOURCES ... LIBS ...)
#     built only in the native (Linux) build: pure logic, no Windows header.
#   lumaret_wine_test(name SOURCES ... LIBS ...)
#     built only in the Windows build; ctest runs it under Wine (the
#     toolchain's emulator). One Wine process per binary, so one add_test.

function(lumaret_native_test name)
  if(LUMARET_WINDOWS)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
endfunction()

function(lumaret_wine_test name)
  if(NOT LUMARET_WINDOWS)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
