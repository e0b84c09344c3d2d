zeltar_core_library(zeltar_plan compass.cpp)
