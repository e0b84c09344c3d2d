# zeltar-cli calc on a file it must refuse or may accept: it exits 0 with the full listing, or 1
# with a message on stderr; anything else (a crash, a listing with NaN or infinity) is a fault.
execute_process(COMMAND ${CLI} calc ${PROJECT}
                OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE status)
if(status STREQUAL "0")
    string(REGEX MATCHALL "\n" lines "${listing}")
    list(LENGTH lines count)
    if(NOT count EQUAL 57)
        message(FATAL_ERROR "accepted ${PROJECT} but printed ${count} lines instead of 57")
    endif()
    if(listing MATCHES "NAN|INF|nan|inf")
        message(FATAL_ERROR "accepted ${PROJECT} and printed a non-finite result:\n${listing}")
    endif()
elseif(status STREQUAL "1")
    if(errors STREQUAL "")
        message(FATAL_ERROR "refused ${PROJECT} without saying why")
    endif()
    # The command-line tool has no window to speak of.
    if(errors MATCHES "окн")
        message(FATAL_ERROR "refused ${PROJECT} speaking of a window:\n${errors}")
    endif()
else()
    message(FATAL_ERROR "zeltar-cli calc ${PROJECT} ended with '${status}': ${errors}")
endif()
