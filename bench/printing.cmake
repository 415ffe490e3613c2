# Printing: a whole print run to a page-stream file, and the preview drawing the puzzle page
# (done again on every zoom or page change).
add_executable(printing_bench ${CMAKE_CURRENT_LIST_DIR}/PrintingBench.cpp)
target_link_libraries(printing_bench PRIVATE report_qt game benchmark::benchmark)
