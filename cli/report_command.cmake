# zeltar-cli report: the form model's texts drawn on a PDF printer page (needs Qt).
if(ZELTAR_BUILD_GUI AND TARGET zeltar_report_qt)
    target_link_libraries(zeltar-cli PRIVATE zeltar_report_qt zeltar_report_form Qt6::Gui)
    target_compile_definitions(zeltar-cli PRIVATE ZELTAR_REPORT_COMMAND)
endif()
