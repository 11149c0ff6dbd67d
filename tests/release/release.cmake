# Tests of the release Setup.exe itself (label `release`): what it imports.
add_test(NAME release.imports
         COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DEXE=$<TARGET_FILE:Setup>
                 -DLIST=${CMAKE_SOURCE_DIR}/tests/release/imports.txt -P ${CMAKE_SOURCE_DIR}/tests/release/imports.cmake)
set_tests_properties(release.imports PROPERTIES LABELS release)
