# cmake -DSOURCE_DIR=... -P CheckLayering.cmake
#
# Dependencies point down: app/ is the only folder that knows the window.
# Every other folder of sources (the features, common/ and every module of
# Windows' parts) reaches it only through common/window_toolkit.h, so no
# file there may include a header of app/. Only the test drivers and the
# shared test support (tools/, testsupport/) stand above app/.
file(GLOB entries LIST_DIRECTORIES true "${SOURCE_DIR}/*")
set(violations "")
foreach(dir ${entries})
  get_filename_component(name ${dir} NAME)
  if(NOT IS_DIRECTORY ${dir} OR name MATCHES "^(app|tools|testsupport|build|dist|cmake|scripts|docs|dist-files|\\..*)$")
    continue()
  endif()
  file(GLOB_RECURSE sources "${dir}/*.h" "${dir}/*.cpp")
  foreach(source ${sources})
    file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]app/")
    foreach(line ${lines})
      file(RELATIVE_PATH rel ${SOURCE_DIR} ${source})
      string(APPEND violations "  ${rel}: ${line}\n")
    endforeach()
  endforeach()
endforeach()
if(violations)
  message(FATAL_ERROR "Headers of app/ included from below it:\n${violations}")
endif()
message(STATUS "No folder below app/ includes a header of app/")
