# zeltar-cli calc: the project file, the start-up state and the recalculation pass.
target_link_libraries(zeltar-cli PRIVATE zeltar_calc zeltar_project zeltar_state)
