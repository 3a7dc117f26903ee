# Fails when a source of the core library includes a Qt header: the logic must build without Qt.
file(GLOB_RECURSE core_sources
  ${SOURCE_DIR}/toolkit/*.h ${SOURCE_DIR}/toolkit/*.cpp
  ${SOURCE_DIR}/simulation/*.h ${SOURCE_DIR}/simulation/*.cpp
  ${SOURCE_DIR}/mainwindow/*.h ${SOURCE_DIR}/mainwindow/*.cpp
  ${SOURCE_DIR}/report/*.h ${SOURCE_DIR}/report/*.cpp
  ${SOURCE_DIR}/about/*.h ${SOURCE_DIR}/about/*.cpp
  ${SOURCE_DIR}/notebook/*.h ${SOURCE_DIR}/notebook/*.cpp)
list(FILTER core_sources EXCLUDE REGEX "/(toolkit|notebook)/qt/")
set(offenders "")
foreach(source IN LISTS core_sources)
  file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt|Qt)")
  if(includes)
    list(APPEND offenders "${source}: ${includes}")
  endif()
endforeach()
list(LENGTH core_sources count)
if(offenders)
  message(FATAL_ERROR "Qt headers in the core library:\n${offenders}")
endif()
message(STATUS "${count} core sources, none includes Qt")
