# zeltar-cli finds its drawing helper zeltar-pdf beside itself or, installed, in the program
# library folder (../libexec/zeltar by default); without it the drawing commands say so.
# -DCLI=zeltar-cli -DPDF=zeltar-pdf -DHELPER_FOLDER=helper folder relative to the binary folder
# -DPROJECT=a project file -DWORK=scratch folder
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/bin ${WORK}/bin/${HELPER_FOLDER})
file(COPY ${CLI} DESTINATION ${WORK}/bin)
get_filename_component(cli_name ${CLI} NAME)

execute_process(COMMAND ${WORK}/bin/${cli_name} report ${PROJECT} ${WORK}/report.pdf
                ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 1 OR NOT errors MATCHES "zeltar-pdf was not found" OR EXISTS ${WORK}/report.pdf)
    message(FATAL_ERROR "report without the helper ended with ${status}: ${errors}")
endif()

file(COPY ${PDF} DESTINATION ${WORK}/bin/${HELPER_FOLDER})
execute_process(COMMAND ${WORK}/bin/${cli_name} report ${PROJECT} ${WORK}/report.pdf
                ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT EXISTS ${WORK}/report.pdf)
    message(FATAL_ERROR "report with the installed helper ended with ${status}: ${errors}")
endif()
file(REMOVE_RECURSE ${WORK})
