# xundral_add_test(NAME <name> LABEL <unit|gui|e2e> SOURCES <files...> [LIBS <targets...>]
#                  [TIMEOUT <seconds>])
# Every test runs on the offscreen platform so it needs no display. TIMEOUT is about ten times
# the test's usual run on a busy build machine, never under the 30-second default, so a test
# that hangs (a draw that never ends) fails in a minute or two rather than ten.
function(xundral_add_test)
  cmake_parse_arguments(T "" "NAME;LABEL;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 30)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBS})
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    LABELS ${T_LABEL}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XUNDRAL_SOURCE_DIR=${PROJECT_SOURCE_DIR};XUNDRAL_PROGRAM_DIR=${XUNDRAL_PROGRAM_DIR}"
    TIMEOUT ${T_TIMEOUT})
endfunction()
