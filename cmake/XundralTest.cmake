# xundral_add_test(NAME <name> LABEL <unit|gui|e2e> SOURCES <files...> [LIBS <targets...>])
# Every test runs on the offscreen platform so it needs no display.
function(xundral_add_test)
  cmake_parse_arguments(T "" "NAME;LABEL" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBS})
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    LABELS ${T_LABEL}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XUNDRAL_SOURCE_DIR=${PROJECT_SOURCE_DIR};XUNDRAL_PROGRAM_DIR=${XUNDRAL_PROGRAM_DIR}"
    TIMEOUT 600)
endfunction()
