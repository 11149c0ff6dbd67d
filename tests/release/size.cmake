cmake_minimum_required(VERSION 3.25)
# The size of EXE against the budget BUDGET (bytes): the stub travels with every program that a
# maker ships. Run by ctest with -P.
file(SIZE "${EXE}" size)
math(EXPR left "${BUDGET} - ${size}")
message(STATUS "Setup.exe: ${size} bytes, budget ${BUDGET} (${left} left)")
if(size GREATER BUDGET)
  message(FATAL_ERROR "Setup.exe is ${size} bytes, ${BUDGET} at most; scripts/size tells where the bytes go")
endif()
