cmake_minimum_required(VERSION 3.25)
# The version that EXE states of itself, read back by the resource compiler WINDRES, is the file
# VERSION's: the numbers and texts of its version resource and its manifest's assembly version.
# Run by ctest with -P.
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/version.cmake)
execute_process(COMMAND "${WINDRES}" -J coff -O rc -i "${EXE}" OUTPUT_VARIABLE script COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "," ", " numbers "${ZQ_VERSION_KOMMA}")
foreach(expected IN ITEMS "\n FILEVERSION ${numbers}\n" "\n PRODUCTVERSION ${numbers}\n"
                          "VALUE \"FileVersion\", \"${ZQ_VERSION}\"\n" "VALUE \"ProductVersion\", \"${ZQ_VERSION}\"\n"
                          "<assemblyIdentity type=\"\"win32\"\" name=\"\"ZQ.Setup\"\" version=\"\"${ZQ_VERSION_PUNKT}\"\"")
  string(FIND "${script}" "${expected}" at)
  if(at LESS 0)
    message(FATAL_ERROR "${EXE} does not state '${expected}' (VERSION holds ${ZQ_VERSION}); its resources:\n${script}")
  endif()
endforeach()
message(STATUS "${EXE} states version ${ZQ_VERSION} (${ZQ_VERSION_PUNKT}) in its version resource and its manifest")
