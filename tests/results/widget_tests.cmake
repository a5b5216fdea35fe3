# Widget tests of steps 3 and 4.
naporis_widget_test(results_panel_test results_panel_test.cpp)
naporis_widget_test(conclusion_panel_test conclusion_panel_test.cpp)
naporis_widget_test(conclusion_navigation_test conclusion_navigation_test.cpp)
