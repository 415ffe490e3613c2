# Writing the printed puzzle page as PDF: our renderer (plain and deflated) beside the same page
# drawn with Qt's QPdfWriter, which this program links only for the comparison.
if(TARGET pdf AND TARGET Qt6::Gui)
  add_executable(pdf_bench ${CMAKE_CURRENT_LIST_DIR}/PdfPuzzlePageBench.cpp)
  target_link_libraries(pdf_bench PRIVATE pdf report platform benchmark::benchmark Qt6::Gui)
endif()
