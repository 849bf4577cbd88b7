# Helpers that register unit, widget and end-to-end tests with CTest.
if(DOVETOCK_TESTS)
  enable_testing()
  if(WIN32)
    # The cross build compiles GoogleTest from Debian's sources with its own compiler.
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  else()
    find_package(GTest REQUIRED)
    find_package(Qt6 REQUIRED COMPONENTS Test)
  endif()
endif()

# dovetock_add_gtest(NAME SOURCES ... LIBS ... [LABEL label]): a GoogleTest program of logic tests,
# labelled `unit` unless another label is given.
function(dovetock_add_gtest name)
  if(NOT DOVETOCK_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_LABEL)
    set(ARG_LABEL unit)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "TZ=UTC;QT_QPA_PLATFORM=offscreen" LABELS ${ARG_LABEL}
                       TIMEOUT 300)
  if(ARG_LABEL STREQUAL "unit")
    set_property(GLOBAL APPEND PROPERTY DOVETOCK_UNIT_WIDGET_TESTS ${name})
  endif()
  if(WIN32 AND ARG_LABEL STREQUAL "widget")
    # Window tests under Wine share one display and with it the keyboard focus: one at a time.
    set_tests_properties(${name} PROPERTIES RUN_SERIAL TRUE)
  endif()
endfunction()

# dovetock_add_qtest(NAME SOURCES ... LIBS ...): a Qt Test program run on the offscreen platform.
function(dovetock_add_qtest name)
  if(NOT DOVETOCK_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TZ=UTC" LABELS widget TIMEOUT 300)
  set_property(GLOBAL APPEND PROPERTY DOVETOCK_UNIT_WIDGET_TESTS ${name})
endfunction()

# The target unit_widget_tests builds every unit and widget test program and nothing else (no
# program, benchmark or fuzz target): the sanitizer build of the test command builds only it.
function(dovetock_add_unit_widget_target)
  get_property(tests GLOBAL PROPERTY DOVETOCK_UNIT_WIDGET_TESTS)
  add_custom_target(unit_widget_tests)
  if(tests)
    add_dependencies(unit_widget_tests ${tests})
  endif()
endfunction()
if(DOVETOCK_TESTS)
  cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL dovetock_add_unit_widget_target)
endif()

# dovetock_add_e2e(NAME SCRIPT): a shell script that runs the real program under Xvfb.
function(dovetock_add_e2e name script)
  if(NOT DOVETOCK_TESTS)
    return()
  endif()
  add_test(NAME ${name} COMMAND bash ${script} $<TARGET_FILE:dovetock> ${DOVETOCK_PROGRAM_DIR})
  set_tests_properties(${name} PROPERTIES LABELS e2e TIMEOUT 600 RUN_SERIAL TRUE)
endfunction()
include(${CMAKE_CURRENT_LIST_DIR}/DovetockFuzzing.cmake)
