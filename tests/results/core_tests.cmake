# Core tests of results.
naporis_core_test(results_discharge_test discharge_test.cpp)
naporis_core_test(results_nozzle_test nozzle_test.cpp)
naporis_core_test(results_grid_test results_grid_test.cpp)
naporis_core_test(results_conclusion_test conclusion_test.cpp)
