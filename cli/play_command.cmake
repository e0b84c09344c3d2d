# zeltar-cli play: the form model driven by a script.
target_link_libraries(zeltar-cli PRIVATE zeltar_form)
