# Speed of the platform services on their hot paths: text measurement (the page-stream reader
# measures every text run), JPEG and BMP encoding of the board picture, number formatting.
add_executable(platform_bench ${CMAKE_CURRENT_LIST_DIR}/PlatformBench.cpp)
target_link_libraries(platform_bench PRIVATE platform benchmark::benchmark_main)
