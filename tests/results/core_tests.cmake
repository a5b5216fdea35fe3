# Core tests of results.
naporis_core_test(results_discharge_test discharge_test.cpp)
naporis_core_test(results_nozzle_test nozzle_test.cpp)
naporis_core_test(results_grid_test results_grid_test.cpp)
naporis_core_test(results_conclusion_test conclusion_test.cpp)
# Every node of the discharge table against a copy typed from the printed table.
naporis_core_test(results_discharge_nodes_test discharge_nodes_test.cpp)
target_compile_definitions(results_discharge_nodes_test PRIVATE
    NAPORIS_DISCHARGE_NODES="${CMAKE_CURRENT_SOURCE_DIR}/discharge_nodes.txt")
