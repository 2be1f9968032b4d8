# Scans a generated project with one worker and with four: stdout (the JSON run) and
# stderr must be the same byte for byte, whichever worker prepared which unit.
file(REMOVE_RECURSE ${WORK} ${WORK}-home)
execute_process(COMMAND ${PYTHON} ${ROOT}/bench/generate_corpus.py ${WORK} --lines 60000
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "generate_corpus.py failed: ${status}")
endif()
foreach(jobs 1 4)
  execute_process(COMMAND ${SORVIK} --config-dir ${WORK}-home --jobs ${jobs} --format json
                          scan ${WORK}/Corpus.dpr
                  OUTPUT_VARIABLE out_${jobs} ERROR_VARIABLE err_${jobs}
                  RESULT_VARIABLE status_${jobs})
  if(NOT status_${jobs} EQUAL 0)
    message(FATAL_ERROR "--jobs ${jobs}: exit status ${status_${jobs}}\n${err_${jobs}}")
  endif()
endforeach()
string(FIND "${out_1}" "\"line\"" first_result)
if(first_result EQUAL -1)
  message(FATAL_ERROR "the scan found nothing, so the comparison shows nothing:\n${out_1}")
endif()
if(NOT out_1 STREQUAL out_4)
  file(WRITE ${WORK}/jobs-1.json "${out_1}")
  file(WRITE ${WORK}/jobs-4.json "${out_4}")
  message(FATAL_ERROR "stdout differs: ${WORK}/jobs-1.json, ${WORK}/jobs-4.json")
endif()
if(NOT err_1 STREQUAL err_4)
  message(FATAL_ERROR "stderr differs\n--- 1 worker\n${err_1}--- 4 workers\n${err_4}---")
endif()
