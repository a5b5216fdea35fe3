# Core tests of results.
naporis_core_test(results_discharge_test discharge_test.cpp)
