# Run by CTest before the tests (from a test program's include file): lists the program's tests and
# writes one CTest test per GoogleTest suite into CTEST_FILE, so that a suite's tests share one process.
# Starting a test process under Wine costs more than most tests take, so one process per test would
# spend most of the run starting processes. Every test still gets its own watchdog time, and a failing
# suite's output names the failing tests.
#
# Input variables: TEST_EXECUTABLE, TEST_EMULATOR (a list, may be empty), CTEST_FILE, TEST_PREFIX,
# TEST_PROPERTIES (a list of property/value pairs for every test), RIZ_CMAKE (the cmake program).

string(JOIN " " _emulator ${TEST_EMULATOR})
string(JOIN " " _properties ${TEST_PROPERTIES})

execute_process(
  COMMAND ${TEST_EMULATOR} "${TEST_EXECUTABLE}" --gtest_list_tests
  WORKING_DIRECTORY "${CMAKE_CURRENT_LIST_DIR}"
  TIMEOUT 60
  OUTPUT_VARIABLE _output
  RESULT_VARIABLE _result)
if(NOT _result EQUAL 0)
  # A program that cannot list its tests is one failing test, not a silently empty suite.
  file(WRITE "${CTEST_FILE}"
    "add_test([=[${TEST_PREFIX}list]=] [=[${RIZ_CMAKE}]=] -E false)\n")
  message(WARNING "${TEST_EXECUTABLE} did not list its tests (${_result}):\n${_output}")
  return()
endif()

string(REPLACE "\r" "" _output "${_output}")
string(REPLACE "\n" ";" _lines "${_output}")
set(_script "")
foreach(_line IN LISTS _lines)
  # Suite lines start in the first column and end in a dot ("Suite.", "Typed/0.  # TypeParam = int").
  if(_line MATCHES "^([A-Za-z_][A-Za-z0-9_/]*)\\.")
    set(_suite "${CMAKE_MATCH_1}")
    set(_name "${TEST_PREFIX}${_suite}")
    string(APPEND _script
      "add_test([=[${_name}]=] ${_emulator} [=[${TEST_EXECUTABLE}]=] [=[--gtest_filter=${_suite}.*]=])\n"
      "set_tests_properties([=[${_name}]=] PROPERTIES ${_properties})\n")
  endif()
endforeach()
file(WRITE "${CTEST_FILE}" "${_script}")
