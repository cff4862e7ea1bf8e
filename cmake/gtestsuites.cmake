# One CTest entry per GoogleTest suite, rather than per test: a process start of a test
# binary costs half a second under the sanitizers, more than most suites take to run. The
# suites are listed from the built binary, as gtest_discover_tests lists tests, so that none
# is missed; a failure is named by the suite's entry and by the test's own output.
#
#   kelvora_gtest_suites(TARGET [PREFIX prefix] [ENVIRONMENT var=value...])
set(kelvora_gtest_suites_script ${CMAKE_CURRENT_LIST_DIR}/gtestsuites_list.cmake)

function(kelvora_gtest_suites target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "PREFIX" "ENVIRONMENT")
  set(listed ${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake)
  set(loader ${CMAKE_CURRENT_BINARY_DIR}/${target}_suites_include.cmake)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DEXECUTABLE=$<TARGET_FILE:${target}> -DOUTPUT=${listed}
      -DPREFIX=${arg_PREFIX} "-DENVIRONMENT=${arg_ENVIRONMENT}" -DWORKING_DIRECTORY=${CMAKE_CURRENT_BINARY_DIR}
      -P ${kelvora_gtest_suites_script}
    BYPRODUCTS ${listed}
    VERBATIM)
  file(WRITE ${loader}
    "if(EXISTS \"${listed}\")\n"
    "  include(\"${listed}\")\n"
    "else()\n"
    "  add_test(${target}_NOT_BUILT ${target}_NOT_BUILT)\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${loader})
endfunction()
