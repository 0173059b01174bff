# Runs one scenario script with tarnwick-run and compares its output with the expected
# text. The root folder is a fresh copy of NAME.root (or an empty folder), so scenarios
# that write files start clean every time.
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
file(READ ${dir}/${name}.expected expected)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "tarnwick-run exited with ${status}\n${errors}")
endif()
if(NOT actual STREQUAL expected)
  file(WRITE ${WORK}/actual.txt "${actual}")
  message(FATAL_ERROR "output differs from ${name}.expected; actual output in ${WORK}/actual.txt\n${actual}")
endif()
