# Installs the build into PREFIX and checks that the program, its menu entry, its icons and its
# AppStream data stand in their standard places, and its notebook plugin where the program
# looks for it (PLUGIN, relative to PREFIX).
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected
  bin/lopena
  ${PLUGIN}
  share/applications/ro.morvak.lopena.desktop
  share/metainfo/ro.morvak.lopena.metainfo.xml
  share/icons/hicolor/scalable/apps/ro.morvak.lopena.svg)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/ro.morvak.lopena.png)
endforeach()
foreach(path IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
file(READ ${PREFIX}/share/applications/ro.morvak.lopena.desktop entry)
foreach(line "Name=Lopena - Aruncare pe oblica" "Exec=lopena" "Icon=ro.morvak.lopena" "Education;Science;")
  string(FIND "${entry}" "${line}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the desktop entry lacks: ${line}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
