# One helper registers every test: headless, a fixed language, and the
# testsupport main that gives each test process its own HOME, Documents
# and settings folders.
function(qmrk_add_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_GUI)
    target_link_libraries(${name} PRIVATE qmrk_testsupport_gui ${T_LIBS})
  else()
    target_link_libraries(${name} PRIVATE qmrk_testsupport ${T_LIBS})
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LC_ALL=C.UTF-8;QMRK_TEST_SETTINGS=1"
    TIMEOUT 300)
endfunction()
