# The board picture: drawn on every pointer movement over the board while highlighting is on.
if(TARGET app)
  add_executable(app_bench ${CMAKE_CURRENT_LIST_DIR}/AppBoardPainterBench.cpp)
  target_link_libraries(app_bench PRIVATE app benchmark::benchmark)
endif()
