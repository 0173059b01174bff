# Runs one scenario script with tarnwick-run and compares its output with the expected
# text. The root folder is a fresh copy of NAME.root (or an empty folder), so scenarios
# that write files start clean every time. NAME.status, when present, holds the exit
# status the run must end with (0 otherwise); NAME.stderr, when present, the exact error
# output.
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
if(IS_DIRECTORY ${dir}/${name}.root)
  file(COPY ${dir}/${name}.root/ DESTINATION ${WORK})
endif()
execute_process(COMMAND ${RUNNER} --root ${WORK} --script ${SCRIPT}
                WORKING_DIRECTORY ${WORK}
                OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
set(expected_status 0)
if(EXISTS ${dir}/${name}.status)
  file(STRINGS ${dir}/${name}.status expected_status LIMIT_COUNT 1)
endif()
if(NOT status EQUAL expected_status)
  message(FATAL_ERROR "tarnwick-run exited with ${status}, expected ${expected_status}\n${errors}")
endif()
if(EXISTS ${dir}/${name}.stderr)
  file(READ ${dir}/${name}.stderr expected_errors)
  if(NOT errors STREQUAL expected_errors)
    message(FATAL_ERROR "error output differs from ${name}.stderr:\n${errors}")
  endif()
endif()
file(READ ${dir}/${name}.expected expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${WORK}/actual.txt "${actual}")
  message(FATAL_ERROR "output differs from ${name}.expected; actual output in ${WORK}/actual.txt\n${actual}")
endif()
