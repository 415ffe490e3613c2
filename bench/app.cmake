# The board picture: drawn on every pointer movement over the board while highlighting is on.
add_executable(app_bench ${CMAKE_CURRENT_LIST_DIR}/AppBoardPainterBench.cpp)
target_link_libraries(app_bench PRIVATE board game benchmark::benchmark)

# Undo over a whole game.
add_executable(game_history_bench ${CMAKE_CURRENT_LIST_DIR}/GameHistoryBench.cpp)
target_link_libraries(game_history_bench PRIVATE game benchmark::benchmark)
