cmake_minimum_required(VERSION 3.25)
# The size of EXE against the budget BUDGET (bytes): the stub travels with every program that a
# maker ships. Run by ctest with -P.
file(SIZE "${EXE}" size)
math(EXPR left "${BUDGET} - ${size}")
message(STATUS "Setup.exe: ${size} bytes, budget ${BUDGET} (${left} left)")
# The same sources take other sizes from other tools: the versions that made this file.
foreach(tool IN ITEMS "${COMPILER}" "${LINKER}")
  execute_process(COMMAND "${tool}" --version OUTPUT_VARIABLE version COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCH "^[^\n]*" version "${version}")
  message(STATUS "  made by ${tool}: ${version}")
endforeach()
if(size GREATER BUDGET)
  message(FATAL_ERROR "Setup.exe is ${size} bytes, ${BUDGET} at most; scripts/size tells where the bytes go")
endif()
