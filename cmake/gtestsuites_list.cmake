# Writes the CTest entries of one test binary, one per suite (see gtestsuites.cmake).
execute_process(COMMAND ${EXECUTABLE} --gtest_list_tests
  OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 60)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${EXECUTABLE} could not list its tests (${status}):\n${errors}")
endif()

string(REPLACE ";" "\\;" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(script "")
set(count 0)
foreach(line IN LISTS lines)
  # A suite's line starts in the first column and ends its name with a dot; tests are indented.
  if(line MATCHES "^([^ #]+)\\.")
    set(suite ${CMAKE_MATCH_1})
    set(name "[==[${PREFIX}${suite}]==]")
    string(APPEND script "add_test(${name} [==[${EXECUTABLE}]==] [==[--gtest_filter=${suite}.*]==])\n"
      "set_tests_properties(${name} PROPERTIES WORKING_DIRECTORY [==[${WORKING_DIRECTORY}]==])\n")
    if(ENVIRONMENT)
      string(APPEND script "set_tests_properties(${name} PROPERTIES ENVIRONMENT [==[${ENVIRONMENT}]==])\n")
    endif()
    math(EXPR count "${count} + 1")
  endif()
endforeach()
if(count EQUAL 0)
  message(FATAL_ERROR "${EXECUTABLE} lists no test suite")
endif()
file(WRITE ${OUTPUT} "${script}")
