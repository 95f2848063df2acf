# The behaviour tests that need nothing of POSIX: the Linux build and the Windows build (run under
# wine) both run them. Paths are from the tests folder.
set(FROTHWICK_PORTABLE_BEHAVIOUR_TESTS
  ${CMAKE_CURRENT_LIST_DIR}/blocks_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/commands_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/delay_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drops_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fall_steps_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_lines_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pads_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scale_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scores_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/soak_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/store_encoding_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/surface_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/utimerCTL_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ways_out_test.cpp)
