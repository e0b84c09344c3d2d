# zeltar-cli report and summary --pdf: drawn by the helper program zeltar-pdf (Qt), which
# zeltar-cli runs from beside itself in the build tree or from the library folder when installed.
if(ZELTAR_BUILD_GUI AND TARGET zeltar_report_qt AND TARGET zeltar_report_form)
    include(GNUInstallDirs)
    add_executable(zeltar-pdf zeltar_pdf_main.cpp pdf_report.cpp pdf_summary.cpp summary_input.cpp batch_output.cpp cli_support.cpp)
    target_include_directories(zeltar-pdf PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(zeltar-pdf PRIVATE zeltar_report_qt zeltar_report_form zeltar_object Qt6::Gui)
    if(TARGET zeltar_summary_pdf)
        target_link_libraries(zeltar-pdf PRIVATE zeltar_summary_pdf)
        target_compile_definitions(zeltar-pdf PRIVATE ZELTAR_SUMMARY_PDF)
    endif()
    install(TARGETS zeltar-pdf RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/zeltar)

    file(RELATIVE_PATH pdf_helper_relative ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBEXECDIR}/zeltar)
    target_compile_definitions(zeltar-cli PRIVATE ZELTAR_PDF_HELPER
                               ZELTAR_PDF_INSTALLED_RELATIVE="${pdf_helper_relative}")
    add_dependencies(zeltar-cli zeltar-pdf)
endif()
