# samples_add_suite(TARGET NAME [GUI] [WORKING_DIRECTORY dir] [TIMEOUT s] [ALONE pattern...])
#
# Adds a GoogleTest binary to CTest as one process for all its tests: a GUI
# process spends most of a second starting GTK and Mesa, which its tests then
# share. Tests matching an ALONE pattern need a process of their own and get
# one each, named NAME.pattern. On Linux a GUI suite runs on an X server of
# its own, so that suites that move the pointer and the focus run side by
# side; under Wine they take turns on one display. Tests that SAMPLES_SKIPS
# switches off on this platform are left out of the process and listed as
# disabled, their reason printed here.
function(samples_add_suite target name)
  cmake_parse_arguments(S "GUI" "WORKING_DIRECTORY;TIMEOUT" "ALONE" ${ARGN})
  if(NOT S_TIMEOUT)
    set(S_TIMEOUT 300)
  endif()
  set(apart ${S_ALONE})
  foreach(skip IN LISTS SAMPLES_SKIPS)
    string(REPLACE "|" ";" skip "${skip}")
    list(GET skip 0 suite)
    list(GET skip 1 pattern)
    list(GET skip 2 reason)
    if(suite STREQUAL name)
      message("Skipped on this platform: ${name}.${pattern}: ${reason}")
      list(APPEND apart ${pattern})
      add_test(NAME ${name}.${pattern} COMMAND ${CMAKE_COMMAND} -E false)
      set_tests_properties(${name}.${pattern} PROPERTIES DISABLED TRUE)
    endif()
  endforeach()

  set(runs "${name}|*")
  if(apart)
    list(JOIN apart ":" excluded)
    set(runs "${name}|-${excluded}")
  endif()
  foreach(pattern IN LISTS S_ALONE)
    list(APPEND runs "${name}.${pattern}|${pattern}")
  endforeach()
  foreach(run IN LISTS runs)
    string(REPLACE "|" ";" run "${run}")
    list(GET run 0 test)
    list(GET run 1 filter)
    set(command ${target} --gtest_filter=${filter})
    if(S_GUI AND NOT WIN32)
      set(command ${PROJECT_SOURCE_DIR}/scripts/with-display --new $<TARGET_FILE:${target}> --gtest_filter=${filter})
    endif()
    if(S_WORKING_DIRECTORY)
      add_test(NAME ${test} COMMAND ${command} WORKING_DIRECTORY ${S_WORKING_DIRECTORY})
    else()
      add_test(NAME ${test} COMMAND ${command})
    endif()
    set_tests_properties(${test} PROPERTIES TIMEOUT ${S_TIMEOUT})
    samples_test_environment(${test})
    if(S_GUI AND WIN32)
      set_tests_properties(${test} PROPERTIES RESOURCE_LOCK display)
    endif()
  endforeach()
endfunction()

# The sanitizers' settings for a test of the sanitizer build: leaks that
# tests/lsan-suppressions.txt names are the platform's own (two frames kept
# per allocation, see there); any other finding fails the test.
# intercept_tls_get_addr=0: GCC 12's interceptor can take a malloc'd block
# for an old glibc TLS header, and the leak checker's tracer then dies on it
# at exit ("Tracer caught signal 11") after every test has passed.
function(samples_test_environment test)
  if(SAMPLES_SANITIZE)
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
      "ASAN_OPTIONS=malloc_context_size=2:intercept_tls_get_addr=0"
      "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan-suppressions.txt:print_suppressions=0"
      "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
  endif()
endfunction()
