# zeltar-cli calc: the window's load through the form model, listed by the recalculation's names.
target_link_libraries(zeltar-cli PRIVATE zeltar_form zeltar_calc)
