# Runs the snapshot tool on a screen scaled by 2, each composed picture saved
# alone, and fails when a picture is only enlarged from its logical size.
#   cmake -DTOOL=<kinea_snapshots> -DCHECK=<kinea_hidpicheck> -DALLOWED=<file> -DOUT=<folder> -P hidpipictures.cmake
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_SCALE_FACTOR=2 KINEA_SNAPSHOT_PICTURES=1 "${TOOL}" "${OUT}"
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "the snapshot tool failed at a scale of 2: ${failed}")
endif()
execute_process(COMMAND "${CHECK}" "${OUT}" "${ALLOWED}" RESULT_VARIABLE enlarged)
if(enlarged)
  message(FATAL_ERROR "some pictures are enlarged on a scaled screen")
endif()
