# Runs every golden fixture: tests/fixtures/<case>/args holds the command line (one
# argument per line, @DIR@ standing for the case's folder); the case's folder is copied
# to a work folder first, so runs never change the fixtures. The command runs in the
# repository's root, so that a case can run a command of the README as it is written
# there. stdout must equal expected.txt (with the work folder written as @DIR@ and the
# root as @ROOT@); when present, expected-status holds the exit status and
# expected-stderr.txt the exact stderr; each <file>.fixed.expected holds the bytes that the
# work folder's <file> must have after the command. A case's home/ folder is copied into the
# program folder before the run (so that nothing shipped is seeded in its place), each
# home/<name>.words, one word a line, made into the dictionary <name>.dic there.
# A case may run a second command after the first, in the same work folder: args2, compared
# with expected2.txt, expected2-status, expected2-stderr.txt and <file>.fixed2.expected.
get_filename_component(root ${FIXTURES}/../.. ABSOLUTE)

# Runs the command of ${case}/args${step} in the work folder ${dir} and compares what it
# printed, its status and the files it changed with the case's expectations of that step;
# sets `ok` to FALSE on a difference.
function(run_step step)
  file(STRINGS ${case}/args${step} lines)
  set(args)
  foreach(line IN LISTS lines)
    string(REPLACE "@DIR@" "${dir}" line "${line}")
    list(APPEND args "${line}")
  endforeach()
  execute_process(COMMAND ${SORVIK} --config-dir ${dir}-home ${args}
                  WORKING_DIRECTORY ${root}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  # The work folder first: it may lie inside the root.
  foreach(output out err)
    string(REPLACE "${dir}" "@DIR@" ${output} "${${output}}")
    string(REPLACE "${root}" "@ROOT@" ${output} "${${output}}")
  endforeach()
  file(READ ${case}/expected${step}.txt expected)
  set(expected_status 0)
  if(EXISTS ${case}/expected${step}-status)
    file(STRINGS ${case}/expected${step}-status expected_status)
  endif()
  if(NOT out STREQUAL expected)
    message("${name}${step}: stdout differs\n--- expected\n${expected}--- actual\n${out}---")
    set(ok FALSE PARENT_SCOPE)
  endif()
  if(EXISTS ${case}/expected${step}-stderr.txt)
    file(READ ${case}/expected${step}-stderr.txt expected_err)
    if(NOT err STREQUAL expected_err)
      message("${name}${step}: stderr differs\n--- expected\n${expected_err}--- actual\n${err}---")
      set(ok FALSE PARENT_SCOPE)
    endif()
  endif()
  # A command that changes files: each <file>.fixed<step>.expected is the file after the run.
  file(GLOB_RECURSE fixed RELATIVE ${case} ${case}/*.fixed${step}.expected)
  foreach(expected_file IN LISTS fixed)
    string(REGEX REPLACE "\\.fixed${step}\\.expected$" "" changed_file "${expected_file}")
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${case}/${expected_file}
                            ${dir}/${changed_file}
                    RESULT_VARIABLE differs)
    if(differs)
      message("${name}${step}: ${changed_file} differs from ${expected_file}")
      set(ok FALSE PARENT_SCOPE)
    endif()
  endforeach()
  if(NOT status STREQUAL expected_status)
    message("${name}${step}: exit status ${status}, expected ${expected_status}\n${err}")
    set(ok FALSE PARENT_SCOPE)
  endif()
endfunction()

file(GLOB cases LIST_DIRECTORIES true ${FIXTURES}/*)
set(failed 0)
foreach(case IN LISTS cases)
  if(NOT EXISTS ${case}/args)
    continue()
  endif()
  get_filename_component(name ${case} NAME)
  set(dir ${WORK}/${name})
  file(REMOVE_RECURSE ${dir} ${dir}-home)
  file(COPY ${case}/ DESTINATION ${dir})
  if(IS_DIRECTORY ${case}/home)
    file(COPY ${case}/home/ DESTINATION ${dir}-home)
    file(GLOB word_lists ${dir}-home/*.words)
    foreach(word_list IN LISTS word_lists)
      string(REGEX REPLACE "\\.words$" ".dic" dictionary "${word_list}")
      execute_process(COMMAND ${MAKE_DICTIONARY} ${word_list} ${dictionary}
                      RESULT_VARIABLE made)
      if(made)
        message(FATAL_ERROR "${name}: ${word_list} could not be made into a dictionary")
      endif()
      file(REMOVE ${word_list})
    endforeach()
  endif()
  set(ok TRUE)
  run_step("")
  if(EXISTS ${case}/args2)
    run_step(2)
  endif()
  if(ok)
    message("${name}: ok")
  else()
    math(EXPR failed "${failed} + 1")
  endif()
endforeach()
if(failed GREATER 0)
  message(FATAL_ERROR "${failed} golden fixture(s) failed")
endif()
