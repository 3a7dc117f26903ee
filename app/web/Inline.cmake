# Puts the page's style, its two modules (Bundle.mjs: the binding's, the notebook's) and the
# compiled program into the page. The WebAssembly, which Emscripten embeds in its JavaScript as a base64 data URI, goes into an
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

# The binding's module in the page's module script, the notebook's as text the page imports from
# at the notebook's first opening. Nothing inlined may end its script element early.
file(READ ${BINDING} binding)
file(READ ${NOTEBOOK} notebook)
foreach(script binding notebook)
  string(REPLACE "</script" "<\\/script" ${script} "${${script}}")
endforeach()

set(css "")
foreach(sheet ${STYLES})
  file(READ ${sheet} text)
  string(APPEND css "${text}\n")
endforeach()

string(REPLACE "@WASM@" "${wasm}" page "${page}")
string(REPLACE "@CSS@" "${css}" page "${page}")
string(REPLACE "@PROGRAM@" "${program}" page "${page}")
string(REPLACE "@NOTEBOOK@" "${notebook}" page "${page}")
string(REPLACE "@BINDING@" "${binding}" page "${page}")
file(WRITE ${OUTPUT}.tmp "${page}")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
