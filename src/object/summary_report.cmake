# The summary report of an object laid out on the report's abstract canvas (Qt-free).
zeltar_core_library(zeltar_summary_report
    ${CMAKE_CURRENT_LIST_DIR}/summary_report.cpp
    ${CMAKE_CURRENT_LIST_DIR}/summary_table.cpp
)
target_link_libraries(zeltar_summary_report PUBLIC zeltar_report)
