cmake_minimum_required(VERSION 3.25)
# The link-map check can fail: a program of one throw, linked by the compiler CXX that links
# Setup.exe, must be refused by CHECK (linkmap.py), which names the throw, the personality routine
# and the unwinder it brought in. Works in WORK. Run by ctest with -P.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(WRITE "${WORK}/wirft.cpp" "int main(int argc, char**) { if (argc > 5) throw argc; return 0; }\n")
execute_process(COMMAND "${CXX}" -Os -static -Wl,--gc-sections "${WORK}/wirft.cpp" -o "${WORK}/wirft.exe"
                        "-Wl,-Map,${WORK}/wirft.map" COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND "${PYTHON}" "${CHECK}" "${WORK}/wirft.map" RESULT_VARIABLE result
                OUTPUT_VARIABLE report ERROR_VARIABLE report)
message(STATUS "${report}")
if(NOT result EQUAL 1)
  message(FATAL_ERROR "the check passed a program that throws (status ${result})")
endif()
foreach(name IN ITEMS "libstdc\\+\\+\\.a\\(eh_throw\\.o\\): __cxa_throw" "__gxx_personality_" "_Unwind_")
  if(NOT report MATCHES "${name}")
    message(FATAL_ERROR "the check's report names no '${name}'")
  endif()
endforeach()
