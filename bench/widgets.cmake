# Repaint cost of the dot-matrix clock panel (it repaints every second, and every scroll step).
add_executable(widgets_bench ${CMAKE_CURRENT_LIST_DIR}/widgets_bench.cpp)
target_link_libraries(widgets_bench PRIVATE widgets benchmark::benchmark)
