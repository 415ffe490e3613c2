# Report engine benchmarks: recording and replaying the puzzle page, and reading a long stream.
add_executable(report_bench ${CMAKE_CURRENT_LIST_DIR}/ReportBench.cpp)
target_link_libraries(report_bench PRIVATE game report benchmark::benchmark_main)
