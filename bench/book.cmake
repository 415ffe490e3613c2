# A puzzle book of 1,000 puzzles as PDF, end to end: our renderer (plain and deflated) beside the
# same recorded pages drawn through Qt's QPdfWriter, linked only for the comparison.
add_executable(book_bench ${CMAKE_CURRENT_LIST_DIR}/BookBench.cpp)
target_link_libraries(book_bench PRIVATE game pdf report platform benchmark::benchmark Qt6::Gui)
