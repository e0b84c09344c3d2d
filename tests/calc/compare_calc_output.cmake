# Runs one `zeltar-cli calc` over every project of the DATA folder and fails unless it succeeds and
# prints each project's .expected listing, each line prefixed by the project's path and a TAB.
# -DCLI=zeltar-cli -DDATA=reference-projects folder
file(GLOB projects ${DATA}/*.zlt)
list(SORT projects)
list(LENGTH projects project_count)
if(project_count LESS 2)
    message(FATAL_ERROR "no reference projects in ${DATA}")
endif()
execute_process(COMMAND ${CLI} calc ${projects}
                OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "zeltar-cli calc of ${project_count} projects exited with ${status}: ${errors}")
endif()
set(expected "")
foreach(project IN LISTS projects)
    string(REGEX REPLACE "\\.zlt$" ".expected" expected_file ${project})
    file(READ ${expected_file} listing)
    string(REGEX REPLACE "([^\n]*\n)" "${project}\t\\1" listing "${listing}")
    string(APPEND expected "${listing}")
endforeach()
if(NOT actual STREQUAL expected)
    # Name the first project whose listing differs.
    foreach(project IN LISTS projects)
        string(REGEX MATCHALL "${project}\t[^\n]*\n" actual_lines "${actual}")
        string(REGEX MATCHALL "${project}\t[^\n]*\n" expected_lines "${expected}")
        if(NOT actual_lines STREQUAL expected_lines)
            message(FATAL_ERROR "zeltar-cli calc: the listing of ${project} differs from its .expected file:\n"
                                "${actual_lines}")
        endif()
    endforeach()
    message(FATAL_ERROR "zeltar-cli calc of the reference projects differs from their .expected files:\n${actual}")
endif()
