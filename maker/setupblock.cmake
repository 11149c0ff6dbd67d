# The maker's tool: a console program that writes, checks and attaches the configuration block with
# the installer's own reader. Its units (all but the entry) form a library that the tests use too.
file(GLOB ZQ_MAKER CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
list(REMOVE_ITEM ZQ_MAKER ${CMAKE_CURRENT_LIST_DIR}/setupblock.cpp)
# The paths of the host: the system's own on Windows, matched as Windows would elsewhere.
if(WIN32)
  list(FILTER ZQ_MAKER EXCLUDE REGEX "_portable\\.cpp$")
else()
  list(FILTER ZQ_MAKER EXCLUDE REGEX "_win32\\.cpp$")
endif()
add_library(zq_maker STATIC ${ZQ_MAKER})
target_link_libraries(zq_maker PUBLIC zq_core)
zq_product(zq_maker)

add_executable(setupblock ${CMAKE_CURRENT_LIST_DIR}/setupblock.cpp)
# Its allocation and the library's reports end in its own Beenden.
target_link_libraries(setupblock PRIVATE zq_ende zq_maker)
zq_product(setupblock)
if(WIN32)
  # wmain: the command line in UTF-16.
  target_link_options(setupblock PRIVATE -municode -s -Wl,--no-insert-timestamp)
endif()
