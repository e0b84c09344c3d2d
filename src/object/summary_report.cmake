# The summary report of an object laid out on the report's abstract canvas, and the texts the
# summary window and the report show (Qt-free).
zeltar_core_library(zeltar_summary_report
    ${CMAKE_CURRENT_LIST_DIR}/summary_report.cpp
    ${CMAKE_CURRENT_LIST_DIR}/summary_report_texts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/summary_table.cpp
)
target_link_libraries(zeltar_summary_report PUBLIC zeltar_object zeltar_report)
