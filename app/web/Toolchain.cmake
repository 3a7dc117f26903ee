# Debian's Emscripten, with its JavaScript tools told where Debian keeps their Node.js modules
# (the machine's own Node.js does not look in /usr/share/nodejs).
set(ENV{NODE_PATH} /usr/share/nodejs)
if(NOT "NODE_PATH=/usr/share/nodejs" IN_LIST CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER env NODE_PATH=/usr/share/nodejs ${CMAKE_CXX_COMPILER_LAUNCHER})
  set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
endif()
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
