# Test registration shared by every directory.
#
# Native tests run directly (under the sanitizers when PSUI_SANITIZE is on).
# Windows tests run under Wine through scripts/wine-run.sh, inside the
# "wine" fixture that starts one Xvfb and one persistent wineserver for the
# whole ctest run and ends them afterwards (scripts/wine-session.sh).
enable_testing()

set(PSUI_GTEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
if(NOT TARGET gtest)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${PSUI_GTEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  if(WIN32)
    # The win32 thread model has no std::mutex: GoogleTest gets its thread
    # start-up gate from us (see the header).
    set(gtest_gate ${CMAKE_SOURCE_DIR}/tests/support/gtest_win32/notification)
    target_sources(gtest PRIVATE ${gtest_gate}.cpp)
    target_include_directories(gtest PRIVATE ${CMAKE_SOURCE_DIR})
    target_compile_options(gtest PUBLIC "$<$<COMPILE_LANGUAGE:CXX>:SHELL:-include ${gtest_gate}.h>")
  endif()
endif()

set(PSUI_SCRIPTS ${CMAKE_SOURCE_DIR}/scripts)

if(WIN32)
  add_test(NAME wine_session_start
           COMMAND ${PSUI_SCRIPTS}/wine-session.sh start ${CMAKE_BINARY_DIR})
  add_test(NAME wine_session_stop
           COMMAND ${PSUI_SCRIPTS}/wine-session.sh stop ${CMAKE_BINARY_DIR})
  set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
  set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
endif()

# Runs COMMAND (a Windows program and its arguments) under Wine when building
# for Windows, directly otherwise. Extra properties go through PROPERTIES.
function(psui_add_program_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "COMMAND;PROPERTIES;FIXTURES;LABELS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  if(WIN32)
    add_test(NAME ${name}
             COMMAND ${PSUI_SCRIPTS}/wine-run.sh ${CMAKE_BINARY_DIR} ${T_TIMEOUT} ${T_COMMAND})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED "wine;${T_FIXTURES}")
  else()
    add_test(NAME ${name} COMMAND ${T_COMMAND})
    if(T_FIXTURES)
      set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED "${T_FIXTURES}")
    endif()
  endif()
  # ctest's own limit sits above the wrapper's, so the wrapper can end Wine cleanly first.
  math(EXPR ctest_timeout "${T_TIMEOUT} + 30")
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ctest_timeout})
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
  if(T_PROPERTIES)
    set_tests_properties(${name} PROPERTIES ${T_PROPERTIES})
  endif()
endfunction()

# One GoogleTest executable, one ctest test. Under Wine the verdict comes
# from GoogleTest's own summary lines: a program that dies early or never
# runs (Wine exits 0 for programs it cannot start) does not pass.
function(psui_add_gtest name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;ARGS;FIXTURES;LABELS;PROPERTIES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gtest_main)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  psui_add_program_test(${name}
    COMMAND $<TARGET_FILE:${name}> ${T_ARGS}
    TIMEOUT ${T_TIMEOUT}
    FIXTURES ${T_FIXTURES}
    LABELS ${T_LABELS}
    PROPERTIES ${T_PROPERTIES})
  if(WIN32)
    set_tests_properties(${name} PROPERTIES
      PASS_REGULAR_EXPRESSION "\\[  PASSED  \\]"
      FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
  endif()
endfunction()

# A libFuzzer target (PSUI_FUZZ builds only) and a bounded ctest run of it:
# it starts from the seed files in SEEDS, keeps what it finds in the build
# tree's corpus folder, and stops after SECONDS.
function(psui_add_fuzzer name)
  cmake_parse_arguments(F "" "SECONDS;SEEDS" "SOURCES;LIBS" ${ARGN})
  if(NOT F_SECONDS)
    set(F_SECONDS 60)
  endif()
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  add_dependencies(fuzzers ${name})
  set(corpus ${CMAKE_BINARY_DIR}/fuzz-corpus/${name})
  file(MAKE_DIRECTORY ${corpus})
  add_test(NAME ${name}
           COMMAND $<TARGET_FILE:${name}> -max_total_time=${F_SECONDS} -print_final_stats=1
                   -timeout=10 -rss_limit_mb=2048 ${corpus} ${F_SEEDS})
  math(EXPR limit "${F_SECONDS} + 120")
  set_tests_properties(${name} PROPERTIES TIMEOUT ${limit} LABELS fuzz)
endfunction()
