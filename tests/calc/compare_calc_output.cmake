# Runs `zeltar-cli calc PROJECT` and fails unless it succeeds and prints exactly the EXPECTED file.
execute_process(COMMAND ${CLI} calc ${PROJECT}
                OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "zeltar-cli calc ${PROJECT} exited with ${status}: ${errors}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "zeltar-cli calc ${PROJECT} differs from ${EXPECTED}:\n${actual}")
endif()
