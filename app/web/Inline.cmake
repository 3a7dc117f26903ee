# Puts the binding's JavaScript and the compiled program (WebAssembly inside) into the page.
cmake_minimum_required(VERSION 3.25)
file(READ ${TEMPLATE} page)
file(READ ${BINDING} binding)
file(READ ${PROGRAM} program)
# Nothing inlined may end its script element early.
string(REPLACE "</script" "<\\/script" binding "${binding}")
string(REPLACE "</script" "<\\/script" program "${program}")
string(REPLACE "@PROGRAM@" "${program}" page "${page}")
string(REPLACE "@BINDING@" "${binding}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
