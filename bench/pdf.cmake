# Writing the printed puzzle page as PDF: our renderer (plain and deflated) beside the same page
# drawn with Qt's QPdfWriter, which this program links only for the comparison.
add_executable(pdf_bench ${CMAKE_CURRENT_LIST_DIR}/PdfPuzzlePageBench.cpp)
target_link_libraries(pdf_bench PRIVATE game pdf report platform benchmark::benchmark Qt6::Gui)
