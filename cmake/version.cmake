# The installer's version, which the file VERSION alone holds: ZQ_VERSION as written there (19,
# 19.1), ZQ_VERSION_KOMMA and ZQ_VERSION_PUNKT its four numbers, missing ones 0, as the version
# resource (19,0,0,0) and the manifest (19.0.0.0) want them.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../VERSION ZQ_VERSION LIMIT_COUNT 1)
if(NOT ZQ_VERSION MATCHES "^[0-9]+(\\.[0-9]+)?(\\.[0-9]+)?(\\.[0-9]+)?$")
  message(FATAL_ERROR "VERSION holds '${ZQ_VERSION}', not a version of one to four numbers such as 19 or 19.1")
endif()
string(REPLACE "." ";" teile "${ZQ_VERSION}.0.0.0")
list(SUBLIST teile 0 4 teile)
foreach(teil IN LISTS teile)
  if(teil GREATER 65535)
    message(FATAL_ERROR "VERSION holds '${ZQ_VERSION}': each number of a Windows version is 65535 at most")
  endif()
endforeach()
list(JOIN teile "," ZQ_VERSION_KOMMA)
list(JOIN teile "." ZQ_VERSION_PUNKT)
