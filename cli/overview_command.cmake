# zeltar-cli overview: the window's load through the form model, and the project at a glance.
target_sources(zeltar-cli PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/overview_command.cpp)
target_link_libraries(zeltar-cli PRIVATE zeltar_form)
