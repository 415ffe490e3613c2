# The generator soak: deals every puzzle number of a range at each hole window and checks each deal.
# Its name does not end in _bench, so `make bench` leaves it out; `make soak` runs it.
add_executable(generator_soak ${CMAKE_CURRENT_LIST_DIR}/SoakGenerator.cpp
                              ${CMAKE_CURRENT_LIST_DIR}/SoakDealCheck.cpp)
target_link_libraries(generator_soak PRIVATE engine)
