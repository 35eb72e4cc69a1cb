# Runs the snapshot tool twice into two folders and fails on any picture
# that differs between the runs: every window must draw the same pixels on
# every run, the first one after a build included.
#   cmake -DTOOL=<kinea_snapshots> -DOUT=<folder> -P samepictures.cmake
file(REMOVE_RECURSE "${OUT}")
foreach(run first second)
  execute_process(COMMAND "${TOOL}" "${OUT}/${run}" RESULT_VARIABLE failed OUTPUT_QUIET)
  if(failed)
    message(FATAL_ERROR "the ${run} run of the snapshot tool failed: ${failed}")
  endif()
endforeach()
file(GLOB pictures RELATIVE "${OUT}/first" "${OUT}/first/*.png")
list(LENGTH pictures count)
if(count EQUAL 0)
  message(FATAL_ERROR "the snapshot tool wrote no picture")
endif()
set(differing "")
foreach(picture ${pictures})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUT}/first/${picture}" "${OUT}/second/${picture}"
                  RESULT_VARIABLE different)
  if(different)
    list(APPEND differing ${picture})
  endif()
endforeach()
if(differing)
  message(FATAL_ERROR "pictures that differ between two runs: ${differing}")
endif()
message(STATUS "${count} pictures, the same on both runs")
