# rb_add_gtest(<name> PREFIX <layer> SOURCES <files...> LIBS <libs...>)
# Builds a GoogleTest program and registers it with ctest as "<layer>.<name>".
# The shared test main gives each run its own temporary HOME and XDG folders
# and the offscreen Qt platform, so tests run in parallel and never touch the
# user's own files. Each test has a time limit, so that a hang fails it
# instead of stopping the suite; a test registered with add_test sets its own.
if(RB_SANITIZE)
  set(RB_TEST_TIMEOUT 600)
else()
  set(RB_TEST_TIMEOUT 120)
endif()

function(rb_add_gtest name)
  cmake_parse_arguments(T "" "PREFIX" "SOURCES;LIBS" ${ARGN})
  set(target test_${T_PREFIX}_${name})
  add_executable(${target} ${T_SOURCES})
  target_link_libraries(${target} PRIVATE rbtestmain ${T_LIBS})
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    INSTALL_RPATH "${RB_BUNDLE_BIN}")
  target_compile_definitions(${target} PRIVATE
    RB_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data"
    RB_BUNDLE_DIR="${RB_BUNDLE_DIR}")
  add_test(NAME ${T_PREFIX}.${name} COMMAND ${target})
  set_tests_properties(${T_PREFIX}.${name} PROPERTIES
    TIMEOUT ${RB_TEST_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
endfunction()

# rb_add_x_run(<test name> <target>)
# Runs the GoogleTest program once more on Qt's X platform, in an X server of
# its own, as "<test name>.X"; skipped without Xvfb.
function(rb_add_x_run name target)
  add_test(NAME ${name}.X COMMAND ${PROJECT_SOURCE_DIR}/testsupport/under-x.sh $<TARGET_FILE:${target}>)
  set_tests_properties(${name}.X PROPERTIES
    SKIP_RETURN_CODE 77
    TIMEOUT ${RB_TEST_TIMEOUT}
    ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
endfunction()
