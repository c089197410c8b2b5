# How the project adds its libraries and its tests: one call each. The include
# root, Qt's code generators and the tests' platform are set here, nowhere else.

# Qt's code generators for a target: moc, and with_uic for a window's .ui file.
function(horavela_qt_generators target with_uic)
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
  if(with_uic)
    # Handlers are connected by hand in each constructor, so uic's search for
    # slots named after their signals would find nothing and only cost start-up.
    set_target_properties(${target} PROPERTIES AUTOUIC ON AUTOUIC_OPTIONS --no-autoconnection)
  endif()
endfunction()

# horavela_add_library(name [QT] [UI] SOURCES source... [DEPENDS target...])
# A static library. Whatever links it includes its headers, and those of the
# libraries it DEPENDS on, from the project's root ("calc/Place.h"). QT runs
# moc on its classes; UI runs uic on its .ui files as well.
function(horavela_add_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "QT;UI" "" "SOURCES;DEPENDS")
  if(arg_UNPARSED_ARGUMENTS OR NOT arg_SOURCES)
    message(FATAL_ERROR "horavela_add_library(${name}): needs SOURCES; unknown: ${arg_UNPARSED_ARGUMENTS}")
  endif()
  add_library(${name} STATIC ${arg_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  if(arg_DEPENDS)
    target_link_libraries(${name} PUBLIC ${arg_DEPENDS})
  endif()
  if(arg_QT OR arg_UI)
    horavela_qt_generators(${name} "${arg_UI}")
  endif()
endfunction()

# horavela_add_test(name GTEST|QTEST|PYTHON
#                   [TARGET executable] [SOURCES source...] [DEPENDS target...]
#                   [ENVIRONMENT variable=value...] [PROPERTIES property value...]
#                   [TEST_FILTER pattern] [TEST_SUFFIX suffix]
#                   [COMMAND script argument...]
#                   [DESKTOP [SESSION option...]] [ARGUMENTS argument...])
# GTEST: a GoogleTest executable, whose tests CTest lists one by one
#   (TEST_FILTER and TEST_SUFFIX list a part of them again, under other names).
# QTEST: a Qt Test executable, one CTest test called name.
# PYTHON: a Python 3 script of the project, run from the project's root.
# The executable (TARGET, by default name) is built from SOURCES and linked
# with DEPENDS and its test framework on its first use; later calls that name
# it only register it again, with other ENVIRONMENT or PROPERTIES. Every test
# runs on Qt's offscreen platform, so no test needs a display.
# ARGUMENTS go to a Qt Test executable (the test functions to run, say).
# DESKTOP runs a Qt Test under tests/support/desktop-session.sh instead, on
# the xcb platform in a desktop session of its own: a virtual X server, a
# D-Bus session bus, a notification server and a system tray; SESSION gives
# the wrapper's options (--no-notification-server, --no-session-bus,
# --no-tray). Those tools are Linux's, so DESKTOP tests are registered only
# in a build for Linux on Linux, and show as Skipped when a tool is missing.
#
# A skipped check never counts as a passed one. gtest_discover_tests shows
# each GTEST_SKIP as Skipped. A Qt Test executable that skipped any check and
# failed none shows as Skipped too, and its output says which checks ran;
# only a clean end counts, so output after Qt Test's closing line (a
# sanitizer's report, say) leaves the verdict to the exit code. A script test
# without python3 shows as Skipped.
function(horavela_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "GTEST;QTEST;PYTHON;DESKTOP"
                        "TARGET;TEST_FILTER;TEST_SUFFIX"
                        "SOURCES;DEPENDS;ENVIRONMENT;PROPERTIES;COMMAND;SESSION;ARGUMENTS")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "horavela_add_test(${name}): unknown: ${arg_UNPARSED_ARGUMENTS}")
  endif()
  if((arg_DESKTOP OR arg_SESSION OR arg_ARGUMENTS) AND NOT arg_QTEST)
    message(FATAL_ERROR "horavela_add_test(${name}): DESKTOP, SESSION and ARGUMENTS are for QTEST")
  endif()
  set(environment QT_QPA_PLATFORM=offscreen ${arg_ENVIRONMENT})
  if(arg_DESKTOP)
    if(CMAKE_CROSSCOMPILING OR NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
      return()
    endif()
    # The session sets the platform.
    set(environment ${arg_ENVIRONMENT})
  endif()

  if(arg_PYTHON)
    find_program(HORAVELA_PYTHON3 python3)
    if(HORAVELA_PYTHON3)
      add_test(NAME ${name} COMMAND ${HORAVELA_PYTHON3} ${arg_COMMAND}
               WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
    else()
      add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -E echo "python3 is missing: ${name} skipped")
      set_tests_properties(${name} PROPERTIES SKIP_REGULAR_EXPRESSION "python3 is missing")
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}" ${arg_PROPERTIES})
    return()
  endif()

  if(arg_GTEST)
    set(framework GTest::gtest_main)
  elseif(arg_QTEST)
    set(framework Qt6::Test)
  else()
    message(FATAL_ERROR "horavela_add_test(${name}): say GTEST, QTEST or PYTHON")
  endif()
  set(target ${name})
  if(arg_TARGET)
    set(target ${arg_TARGET})
  endif()
  if(NOT TARGET ${target})
    if(NOT arg_SOURCES)
      message(FATAL_ERROR "horavela_add_test(${name}): ${target} needs SOURCES")
    endif()
    add_executable(${target} ${arg_SOURCES})
    target_link_libraries(${target} PRIVATE ${arg_DEPENDS} ${framework})
    if(arg_QTEST)
      horavela_qt_generators(${target} FALSE)
    endif()
  endif()

  if(arg_QTEST)
    set(skipped
        "Totals: [0-9]+ passed, 0 failed, [1-9][0-9]* skipped,[^\n]*\n[*]+ Finished testing of [^\n]*\n$")
    if(arg_DESKTOP)
      add_test(NAME ${name}
               COMMAND ${PROJECT_SOURCE_DIR}/tests/support/desktop-session.sh ${arg_SESSION} --
                       $<TARGET_FILE:${target}> ${arg_ARGUMENTS})
      # The wrapper's own line when the session cannot be had.
      list(APPEND skipped "desktop session unavailable:")
    else()
      add_test(NAME ${name} COMMAND ${target} ${arg_ARGUMENTS})
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}" ${arg_PROPERTIES}
        SKIP_REGULAR_EXPRESSION "${skipped}")
    return()
  endif()

  # Listing the tests runs the executable. A build for another system lists
  # them when they run, through its emulator (Wine); without one it cannot
  # run them here, and scripts/windows-check.sh runs them under Wine instead.
  set(discovery)
  if(CMAKE_CROSSCOMPILING)
    if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
      return()
    endif()
    set(discovery DISCOVERY_MODE PRE_TEST)
  endif()
  set(subset)
  if(arg_TEST_FILTER)
    list(APPEND subset TEST_FILTER ${arg_TEST_FILTER})
  endif()
  if(arg_TEST_SUFFIX)
    list(APPEND subset TEST_SUFFIX ${arg_TEST_SUFFIX})
  endif()
  if(arg_PROPERTIES)
    list(PREPEND arg_PROPERTIES PROPERTIES)
  endif()
  string(MAKE_C_IDENTIFIER "${target}${arg_TEST_SUFFIX}" list)
  gtest_discover_tests(${target} ${subset} ${discovery} ${arg_PROPERTIES} TEST_LIST ${list}_tests)
  # gtest_discover_tests hands a list-valued property on as separate values,
  # which keeps only the first variable of an environment; so the environment
  # is set on the listed tests after they are listed.
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${list}_environment.cmake)
  file(WRITE ${script} "if(${list}_tests)\n"
      "  set_tests_properties(\${${list}_tests} PROPERTIES ENVIRONMENT [==[${environment}]==])\n"
      "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${script})
endfunction()

# Imports a build-time tool from the build for the build machine
# (HORAVELA_HOST_TOOLS), under the name it has there.
function(horavela_import_host_tool name path)
  add_executable(${name} IMPORTED GLOBAL)
  set_target_properties(${name} PROPERTIES IMPORTED_LOCATION ${HORAVELA_HOST_TOOLS}/${path})
endfunction()

# The path of a data tarball listed in scripts/data-packages.txt, in the folder
# that scripts/deps.sh fetches them into, whether it is there yet or not.
function(horavela_data_tarball name result)
  file(STRINGS ${PROJECT_SOURCE_DIR}/scripts/data-packages.txt data_packages REGEX "^[^#]")
  foreach(line IN LISTS data_packages)
    string(REPLACE " " ";" fields "${line}")
    list(GET fields 0 listed)
    if(listed STREQUAL name)
      list(GET fields 1 version)
      set(${result} ${HORAVELA_DATA_DIR}/${name}-${version}.tgz PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "horavela_data_tarball: ${name} is not listed in scripts/data-packages.txt")
endfunction()
