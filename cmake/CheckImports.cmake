# cmake -DEXE=Lumaret.exe -DOBJDUMP=x86_64-w64-mingw32-objdump -DLIST=KnownDlls.txt -P CheckImports.cmake
#
# Fails when the exe imports a DLL that is not on the list: such a DLL is
# looked for beside the exe first, and a file of that name there would be
# loaded into an elevated process before any line of the program runs.
cmake_minimum_required(VERSION 3.22)
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} -p ${EXE} failed")
endif()
file(STRINGS ${LIST} allowed REGEX "^[^#]")
list(TRANSFORM allowed TOLOWER)
string(REGEX MATCHALL "DLL Name: [^\r\n]+" names "${dump}")
if(NOT names)
  message(FATAL_ERROR "No imports found in ${EXE}")
endif()
set(imports "")
set(foreign "")
foreach(entry ${names})
  string(REGEX REPLACE "^DLL Name: " "" dll "${entry}")
  string(STRIP "${dll}" dll)
  list(APPEND imports ${dll})
  string(TOLOWER ${dll} lower)
  if(NOT lower IN_LIST allowed)
    list(APPEND foreign ${dll})
  endif()
endforeach()
list(JOIN imports " " imports)
if(foreign)
  list(JOIN foreign " " foreign)
  message(FATAL_ERROR "Lumaret.exe imports DLLs that are not Windows' known DLLs: ${foreign}\n"
                      "Load them from System32 on first use (common/system_library.h).")
endif()
message(STATUS "Imports, all known DLLs: ${imports}")
