# The board picture: drawn on every pointer movement over the board while highlighting is on.
add_executable(app_bench ${CMAKE_CURRENT_LIST_DIR}/AppBoardPainterBench.cpp)
target_link_libraries(app_bench PRIVATE board game benchmark::benchmark)
