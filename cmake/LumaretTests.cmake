# Helpers for the two kinds of test binaries.
#
#   lumaret_native_test(name SOURCES ... LIBS ...)
#     built only in the native (Linux) build: pure logic, no Windows header.
#   lumaret_wine_test(name SOURCES ... LIBS ... [STANDINS file ...] [REFUSING] [WINRT])
#     built only in the Windows build; ctest runs it under Wine (the
#     toolchain's emulator). One Wine process per binary, so one add_test.
#     STANDINS names System32 files (netsh.exe, wlanapi.dll) whose stand-ins
#     the test installs, REFUSING says it puts the DLLs that must never load
#     beside a program, WINRT that it registers the stand-in Windows Runtime
#     classes (testsupport/system_standin.h); see lumaret_test_standins.

# The built stand-ins, and the same folder as Wine sees it.
set(LUMARET_STANDINS_DIR ${CMAKE_BINARY_DIR}/standins)
set(LUMARET_STANDINS_WINDOWS_DIR "Z:${LUMARET_STANDINS_DIR}")

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
  cmake_parse_arguments(T "REFUSING;WINRT" "" "SOURCES;LIBS;STANDINS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  if(T_STANDINS OR T_REFUSING OR T_WINRT)
    set(options "")
    if(T_REFUSING)
      list(APPEND options REFUSING)
    endif()
    if(T_WINRT)
      list(APPEND options WINRT)
    endif()
    lumaret_test_standins(${name} ${name} ${options} STANDINS ${T_STANDINS})
  endif()
endfunction()

# lumaret_test_standins(test target [REFUSING] [WINRT] STANDINS file ...)
# The environment of a test whose binary `target` uses stand-ins: a
# behaviour folder of its own in the prefix (LUMARET_STANDIN_DIR), and, for
# each System32 file, the "n" override that makes Wine run or load the
# stand-in instead of its builtin (netsh.exe=n for a program, wlanapi=n for
# a DLL). With REFUSING, the DLLs that are not known DLLs get "n,b": Wine
# then looks for them in the program's folder first, as Windows does, where
# the test puts the refusing ones. The overrides are appended to the
# session's WINEDLLOVERRIDES; every process the test starts inherits both.
# With WINRT, the stand-in Windows Runtime classes are built for the test,
# which registers them in the prefix's registry itself (no override: Wine's
# combase loads the DLL a class is registered with).
function(lumaret_test_standins test target)
  cmake_parse_arguments(S "REFUSING;WINRT" "" "STANDINS" ${ARGN})
  set(overrides "")
  foreach(file ${S_STANDINS})
    string(TOLOWER ${file} lower)
    string(REGEX REPLACE "\\.[^.]*$" "" stem ${lower})
    if(lower MATCHES "\\.exe$")
      string(APPEND overrides "\;${lower}=n")
    else()
      string(APPEND overrides "\;${stem}=n")
    endif()
    add_dependencies(${target} standin_${stem})
  endforeach()
  if(S_REFUSING)
    string(APPEND overrides "\;iphlpapi,bcrypt,msimg32=n,b")
    add_dependencies(${target} lumaret_refusing_dlls)
  endif()
  if(S_WINRT)
    add_dependencies(${target} standin_mobile_hotspot)
  endif()
  target_link_libraries(${target} PRIVATE lumaret_testsupport)
  set_tests_properties(${test} PROPERTIES
    ENVIRONMENT "LUMARET_STANDIN_DIR=C:/lumaret-standin/${test}"
    ENVIRONMENT_MODIFICATION "WINEDLLOVERRIDES=string_append:${overrides}")
endfunction()
