# Windows tests: cross-compiled, run under Wine through CTest's emulator, in
# a private prefix inside the build tree and in code page 936. The display is
# the caller's (scripts/test starts an Xvfb for it).
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(wine_arch win64)
else()
  set(wine_arch win32)
endif()
set(WINE_ENVIRONMENT
  WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix
  WINEARCH=${wine_arch}
  WINEDEBUG=-all
  # No prompts to download Mono or Gecko: the tests need neither.
  WINEDLLOVERRIDES=mscoree,mshtml=
  LC_ALL=zh_CN.UTF-8)

# The same set-up for the programs the scripts start by hand (scripts/run,
# scripts/bench): a shell file that exports it and names the Wine to use.
set(wine_exports "# Written by CMake: the Wine set-up of this build's tests.\n")
foreach(setting IN LISTS WINE_ENVIRONMENT)
  string(REGEX REPLACE "^([^=]+)=(.*)$" "export \\1='\\2'\n" export_line "${setting}")
  string(APPEND wine_exports "${export_line}")
endforeach()
string(APPEND wine_exports "wine_loader='${CMAKE_CROSSCOMPILING_EMULATOR}'\n")
file(WRITE ${CMAKE_BINARY_DIR}/wine-environment.sh "${wine_exports}")

add_test(NAME wine_prefix COMMAND ${CMAKE_CURRENT_LIST_DIR}/make-wine-prefix ${CMAKE_CROSSCOMPILING_EMULATOR})
set_tests_properties(wine_prefix PROPERTIES
  ENVIRONMENT "${WINE_ENVIRONMENT}" FIXTURES_SETUP wine TIMEOUT 300)

# add_wine_test(NAME target [ARGS ...] [ENVIRONMENT ...])
function(add_wine_test name target)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "ARGS;ENVIRONMENT")
  add_test(NAME ${name} COMMAND ${target} ${arg_ARGS})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "${WINE_ENVIRONMENT};${arg_ENVIRONMENT}"
    FIXTURES_REQUIRED wine TIMEOUT 600)
endfunction()

add_library(varnetto_process_windows STATIC ${CMAKE_CURRENT_LIST_DIR}/support/process_windows.cpp)
target_include_directories(varnetto_process_windows PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(varnetto_process_windows PUBLIC varnetto_convert)

# Programs the tests start: a probe that runs out of memory, and test builds
# of Varnetto whose window is refused or that fail once running.
add_executable(out_of_memory_probe ${CMAKE_CURRENT_LIST_DIR}/out_of_memory_probe.cpp)
target_link_libraries(out_of_memory_probe PRIVATE varnetto_convert)
varnetto_program(varnetto_window_refused ${CMAKE_CURRENT_LIST_DIR}/window_refused_main.cpp)
varnetto_program(varnetto_fatal_while_running ${CMAKE_CURRENT_LIST_DIR}/fatal_while_running_main.cpp)

add_executable(win32_tests
  ${CMAKE_CURRENT_LIST_DIR}/batch_file_list_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/code_page_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fatal_error_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_list_test.cpp)
target_link_libraries(win32_tests PRIVATE
  varnetto_ui varnetto_test_support varnetto_process_windows GTest::gtest_main)
add_dependencies(win32_tests out_of_memory_probe varnetto_window_refused)

# End to end: the real program, started and driven from outside.
add_executable(e2e_tests
  ${CMAKE_CURRENT_LIST_DIR}/e2e/add_files_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/e2e/main_window_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/e2e/open_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/e2e/running_program.cpp
  ${CMAKE_CURRENT_LIST_DIR}/e2e/screenshot.cpp)
target_link_libraries(e2e_tests PRIVATE
  varnetto_test_support varnetto_process_windows GTest::gtest_main comctl32 gdi32)
add_dependencies(e2e_tests varnetto varnetto_fatal_while_running)

add_wine_test(convert_tests convert_tests)
add_wine_test(e2e_tests e2e_tests)
add_wine_test(win32_tests win32_tests)
# Wine takes the ANSI code page from the locale: C.UTF-8 gives 1252.
add_wine_test(code_page_guard win32_tests
  ARGS --gtest_filter=CodePage.*
  ENVIRONMENT LC_ALL=C.UTF-8 VARNETTO_TEST_CODE_PAGE=other)
