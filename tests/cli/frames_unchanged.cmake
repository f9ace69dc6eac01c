# Runs a scenario with --trace and checks that the frames it exchanged (the
# "hid slot" lines, in order) hash to what they were when the hash was taken:
#   cmake -DCLI=travik-cli -DSCENARIO=x.tts -DSHA256=... -P frames_unchanged.cmake
# A change that alters what goes on the wire in such a run fails here; a
# deliberate one takes the new hash.
execute_process(COMMAND ${CLI} run --trace ${SCENARIO} RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${out}${err}the scenario failed")
endif()
string(REGEX MATCHALL "(^|\n)hid slot [^\n]*" lines "${out}${err}")
set(frames "")
list(LENGTH lines count)
foreach(line IN LISTS lines)
  string(STRIP "${line}" line)
  string(APPEND frames "${line}\n")
endforeach()
string(SHA256 hash "${frames}")
if(NOT hash STREQUAL SHA256)
  message(FATAL_ERROR "${count} frames hash to ${hash}, expected ${SHA256}")
endif()
message("${count} frames as before")
