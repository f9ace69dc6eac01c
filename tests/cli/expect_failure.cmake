# Runs a scenario that must fail, and checks that it failed and how it said so:
#   cmake -DCLI=travik-cli -DSCENARIO=wrong_on_purpose.tts -P expect_failure.cmake
execute_process(COMMAND ${CLI} run ${SCENARIO} RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
message("${out}${err}")
if(status EQUAL 0)
  message(FATAL_ERROR "the deliberately wrong scenario passed")
endif()
get_filename_component(name ${SCENARIO} NAME)
foreach(pattern
    "${name}:7: expected DeviceType = 7, got 6 (KDB)"
    "${name}:8: expected main:12 text \"  NSC\", got text \"  KDB SN10222     \""
    "${name}:10: click \"STOP\": "
    "stopped at line 10")
  string(FIND "${out}" "${pattern}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "missing from the output: ${pattern}")
  endif()
endforeach()
string(FIND "${out}" "${name}:11:" at)
if(NOT at EQUAL -1)
  message(FATAL_ERROR "the file went on after the refused action")
endif()
