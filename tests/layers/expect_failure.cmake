# The layer check must refuse a tree that includes upward and name the line.
#   cmake -DCHECK=check_layers.cmake -DTREE=DIR -DWANT=TEXT[|TEXT…] -P expect_failure.cmake
cmake_minimum_required(VERSION 3.24)
execute_process(COMMAND ${CMAKE_COMMAND} -DSRC=${TREE}/src -DLAYERS=${TREE}/layers.txt -P ${CHECK}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(status EQUAL 0)
  message(FATAL_ERROR "the layer check passed ${TREE}")
endif()
string(REPLACE "|" ";" wants "${WANT}")
foreach(want IN LISTS wants)
  string(FIND "${err}" "${want}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the layer check did not say '${want}':\n${err}")
  endif()
endforeach()
