# Tests of the release Setup.exe itself (label `release`): what it imports, how large it is and what it links.
add_test(NAME release.imports
         COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DEXE=$<TARGET_FILE:Setup>
                 -DLIST=${CMAKE_SOURCE_DIR}/tests/release/imports.txt -P ${CMAKE_SOURCE_DIR}/tests/release/imports.cmake)
set_tests_properties(release.imports PROPERTIES LABELS release)

# Its size: 90 KiB at most, less than the common installers' smallest stubs; the report names the
# compiler and linker that made it.
add_test(NAME release.size
         COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:Setup> -DBUDGET=92160
                 -DCOMPILER=${CMAKE_CXX_COMPILER} -DLINKER=${ZQ_LD}
                 -P ${CMAKE_SOURCE_DIR}/tests/release/size.cmake)
set_tests_properties(release.size PROPERTIES LABELS release)

# Its load configuration: static imports from the system folder only.
add_test(NAME release.loadconfig
         COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:Setup> -P ${CMAKE_SOURCE_DIR}/tests/release/loadconfig.cmake)
set_tests_properties(release.loadconfig PROPERTIES LABELS release)

# The release archive that scripts/release packs: the same bytes from two runs, its listing and
# its checksums.
add_test(NAME release.archiv
         COMMAND ${CMAKE_SOURCE_DIR}/tests/release/archiv.sh ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/archiv-test)
set_tests_properties(release.archiv PROPERTIES LABELS release TIMEOUT 600)

# Its link map: no unwinder, personality routine or __cxa_throw, which would run without the unwind
# data that its code does not have; and a program that throws is refused, so the check can fail.
add_test(NAME release.linkmap
         COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tests/release/linkmap.py ${CMAKE_BINARY_DIR}/Setup.map)
add_test(NAME release.linkmap_wirft
         COMMAND ${CMAKE_COMMAND} -DCXX=${CMAKE_CXX_COMPILER} -DPYTHON=${Python3_EXECUTABLE}
                 -DCHECK=${CMAKE_SOURCE_DIR}/tests/release/linkmap.py -DWORK=${CMAKE_BINARY_DIR}/linkmap-test
                 -P ${CMAKE_SOURCE_DIR}/tests/release/linkmap_wirft.cmake)
set_tests_properties(release.linkmap release.linkmap_wirft PROPERTIES LABELS release)

# The version it states of itself, in its version resource and its manifest: the file VERSION's.
add_test(NAME release.version
         COMMAND ${CMAKE_COMMAND} -DWINDRES=${CMAKE_RC_COMPILER} -DEXE=$<TARGET_FILE:Setup>
                 -P ${CMAKE_SOURCE_DIR}/tests/release/version.cmake)
set_tests_properties(release.version PROPERTIES LABELS release)
