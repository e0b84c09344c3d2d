# zeltar-cli calc and summary: the window's load through the form model, listed by the
# recalculation's names; the object summary over the same load.
target_link_libraries(zeltar-cli PRIVATE zeltar_object zeltar_form zeltar_calc)
