# The form model (core): the main window's behaviour without widgets, shared by the Qt window and
# `zeltar-cli play`.
zeltar_core_library(zeltar_form
    form_commit.cpp
    form_controls.cpp
    form_file.cpp
    form_lists.cpp
    form_model.cpp
    form_navigation.cpp
    form_parameters.cpp
    form_plan.cpp
    form_presets.cpp
    form_recovery.cpp
    form_typing.cpp
)
target_link_libraries(zeltar_form PUBLIC zeltar_state zeltar_fields zeltar_calc zeltar_project zeltar_plan
    zeltar_files)
