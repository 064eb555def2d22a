# Fails unless every DLL the program imports is a Windows system DLL.
cmake_minimum_required(VERSION 3.25)
# Usage: cmake -DOBJDUMP=... -DPROGRAM=... -P check_imports.cmake
set(allowed KERNEL32.dll USER32.dll GDI32.dll SHELL32.dll COMCTL32.dll comdlg32.dll WINSPOOL.DRV
            ADVAPI32.dll
            msvcrt.dll)
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "objdump could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" lines "${dump}")
if(NOT lines)
  message(FATAL_ERROR "no imports found in ${PROGRAM}")
endif()
foreach(line IN LISTS lines)
  string(REPLACE "DLL Name: " "" dll "${line}")
  string(STRIP "${dll}" dll)
  if(NOT dll IN_LIST allowed)
    message(FATAL_ERROR "${PROGRAM} imports ${dll}, which is not a system DLL")
  endif()
  message(STATUS "imports ${dll}")
endforeach()
