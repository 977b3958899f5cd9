# Runs one scenario script through the command-line tool and compares what it printed with the
# expected file beside it (NAME.vk2s -> NAME.expected). The actual output is kept in ACTUAL so a
# changed rule can be reviewed with diff and, when right, copied over the expected file.
#   cmake -DCLI=... -DSCRIPT=... -DACTUAL=... -P run_scenario.cmake
string(REGEX REPLACE "\\.vk2s$" ".expected" expected_file "${SCRIPT}")
execute_process(COMMAND "${CLI}" script "${SCRIPT}"
  OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
get_filename_component(actual_dir "${ACTUAL}" DIRECTORY)
file(MAKE_DIRECTORY "${actual_dir}")
file(WRITE "${ACTUAL}" "${actual}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${SCRIPT} stopped with status ${status}:\n${errors}")
endif()
file(READ "${expected_file}" expected)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "${SCRIPT} printed something else than ${expected_file}; compare with\n"
    "  diff ${expected_file} ${ACTUAL}")
endif()
