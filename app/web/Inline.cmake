# Puts the page's style, its ES modules (the binding's, the notebook's, the generated bridge.mjs
# and the chart library made a module) and the compiled program into the page: each module as
# text in an element of its own, named by its file's name, which the page's loader imports from.
# The WebAssembly, which Emscripten embeds in its JavaScript as a base64 data URI, goes into an
# element of its own at the top of the page, so that the browser compiles it while it parses the
# rest.
cmake_minimum_required(VERSION 3.25)
file(READ ${TEMPLATE} page)
file(READ ${PROGRAM} program)
set(prefix "wasmBinaryFile=\"data:application/octet-stream;base64,")
string(FIND "${program}" "${prefix}" at)
if(at LESS 0)
  message(FATAL_ERROR "${PROGRAM} holds no embedded WebAssembly")
endif()
string(LENGTH "${prefix}" length)
math(EXPR from "${at} + ${length}")
string(SUBSTRING "${program}" ${from} -1 rest)
string(FIND "${rest}" "\"" end)
string(SUBSTRING "${rest}" 0 ${end} wasm)
string(SUBSTRING "${program}" 0 ${from} before)
string(SUBSTRING "${rest}" ${end} -1 after)
set(program "${before}${after}")
string(REPLACE "</script" "<\\/script" program "${program}")

# The modules, each as <script type="text/plain" data-module="name">; the page knows a module by
# its file's name alone (or the name given as name=path), so no two may share one.
set(modules "")
set(names "")
foreach(module ${MODULES})
  if(module MATCHES "^([^=/]+)=(.+)$")
    set(name ${CMAKE_MATCH_1})
    set(module ${CMAKE_MATCH_2})
  else()
    get_filename_component(name ${module} NAME)
  endif()
  if(name IN_LIST names)
    message(FATAL_ERROR "two of the page's modules are named ${name}")
  endif()
  list(APPEND names ${name})
  file(READ ${module} text)
  if(name STREQUAL "uPlot.js")
    string(APPEND text "\nexport default uPlot;\n")
  endif()
  # Nothing inlined may end its script element early.
  string(REPLACE "</script" "<\\/script" text "${text}")
  string(APPEND modules "<script type=\"text/plain\" data-module=\"${name}\">\n${text}</script>\n")
endforeach()

set(css "")
foreach(sheet ${STYLES})
  file(READ ${sheet} text)
  string(APPEND css "${text}\n")
endforeach()

string(REPLACE "@WASM@" "${wasm}" page "${page}")
string(REPLACE "@CSS@" "${css}" page "${page}")
string(REPLACE "@PROGRAM@" "${program}" page "${page}")
string(REPLACE "@MODULES@" "${modules}" page "${page}")
file(WRITE ${OUTPUT}.tmp "${page}")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
