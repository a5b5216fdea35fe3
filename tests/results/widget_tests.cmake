# Widget tests of steps 3 and 4.
naporis_widget_test(results_panel_test results_panel_test.cpp)
