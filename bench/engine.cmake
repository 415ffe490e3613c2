# Generation speed of the numbered puzzles, per hole window.
add_executable(engine_generator_bench ${CMAKE_CURRENT_LIST_DIR}/EngineGeneratorBench.cpp)
target_link_libraries(engine_generator_bench PRIVATE engine benchmark::benchmark)
