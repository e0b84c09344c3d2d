# zeltar-cli loads no Qt library (the drawing commands run zeltar-pdf), so that it starts fast.
# -DCLI=zeltar-cli
execute_process(COMMAND ldd ${CLI} OUTPUT_VARIABLE libraries RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "ldd ${CLI} failed")
endif()
if(libraries MATCHES "libQt")
    message(FATAL_ERROR "zeltar-cli loads Qt:\n${libraries}")
endif()
