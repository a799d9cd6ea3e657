# Fails when a source under SOURCE_DIR/src includes a header of a layer that comes later in
# the layering order, or of another layer of the same rank: dependencies point down the list.
#   cmake -DSOURCE_DIR=<checkout> -P check-includes.cmake
# The composition roots (src/main.cpp, src/main_win32.cpp) lie outside every layer.

# Rank of each layer: a layer may include its own headers and those of lower ranks only.
set(ranks core=0 forms=1 screens=2 art=3 game=4 twoplayer=5 singleplayer=6 shell=7 platform=8
    cli=9 qt=10 win32=10)
foreach(entry IN LISTS ranks)
  string(REPLACE "=" ";" pair "${entry}")
  list(GET pair 0 layer)
  list(GET pair 1 rank)
  set(rank_${layer} ${rank})
endforeach()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}/src
  ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.in)
set(faults 0)
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+/" folder "${source}")
  string(REPLACE "/" "" from "${folder}")
  if(from STREQUAL "" OR NOT DEFINED rank_${from})
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/src/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[^\"]*\"([^/\"]+)/.*$" "\\1" to "${line}")
    if(NOT DEFINED rank_${to} OR to STREQUAL from)
      continue()
    endif()
    if(NOT rank_${to} LESS rank_${from})
      message(SEND_ERROR "src/${source}: ${from}/ may not include ${to}/ (${line})")
      math(EXPR faults "${faults} + 1")
    endif()
  endforeach()
endforeach()
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} include(s) point up the layers")
endif()
list(LENGTH sources count)
message(STATUS "${count} sources include only their own layer and the layers below it")
