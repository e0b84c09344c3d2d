# The report layout on an abstract canvas (Qt-free).
zeltar_core_library(zeltar_report
    print_scale.cpp
    report_layout.cpp
    report_page.cpp
    report_phrase.cpp
)
target_link_libraries(zeltar_report PUBLIC zeltar_fields)

# The report source over the form model, once the form model is part of the tree. The form model's
# target is defined later (src/app), which is fine for linking.
if(EXISTS ${PROJECT_SOURCE_DIR}/src/app/form_model.cmake)
    zeltar_core_library(zeltar_report_form form_report_source.cpp)
    target_link_libraries(zeltar_report_form PUBLIC zeltar_report zeltar_form)
endif()
