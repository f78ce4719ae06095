# Leaves the tests out of a build that only runs the program: every target
# defined in a folder named tests, fuzz or bench, or in the shared test
# helpers, is kept out of "all" (it is still built when asked for by name).
function(qel_leave_tests_out dir)
  get_filename_component(name "${dir}" NAME)
  if(name MATCHES "^(tests|fuzz|bench|testing)$")
    get_property(targets DIRECTORY "${dir}" PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
      set_property(TARGET ${target} PROPERTY EXCLUDE_FROM_ALL TRUE)
    endforeach()
  endif()
  get_property(subdirs DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    qel_leave_tests_out("${subdir}")
  endforeach()
endfunction()

# A test program that starts the real main window on a program directory of
# the build's libraries and plugins (shell/app/tests/app_fixture.*). It
# exports the host functions as the program does, and the seams through
# which the plugins it loads ask its scripted prompts and menus.
function(qel_add_program_test target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;DEFINITIONS" ${ARGN})
  set(fixture_dir ${PROJECT_SOURCE_DIR}/shell/app/tests)
  add_executable(${target} ${ARG_SOURCES} ${fixture_dir}/app_fixture.cpp)
  target_include_directories(${target} PRIVATE ${fixture_dir})
  target_link_libraries(${target} PRIVATE
    qel_app "$<LINK_LIBRARY:WHOLE_ARCHIVE,qel_platform_ui_program>" ${ARG_LIBRARIES}
    qel_dialogs_testing qel_testing qel_qt_test_main)
  target_compile_definitions(${target} PRIVATE ${ARG_DEFINITIONS}
    QEL_RES_LIBRARY="$<TARGET_FILE:QELRes>"
    QEL_DATA_LIBRARY="$<TARGET_FILE:Data>"
    QEL_CONTROLS_LIBRARY="$<TARGET_FILE:Controls>"
    QEL_DOCUMENT_LIBRARY="$<TARGET_FILE:ReportDocument>"
    QEL_TRACE_PLUGIN="$<TARGET_FILE:qel_trace_plugin>"
    QEL_BOOKING_PLUGIN="$<TARGET_FILE:qel_booking_plugin>"
    QEL_VIEWS_PLUGIN="$<TARGET_FILE:Views>"
    QEL_REPORTS_PLUGIN="$<TARGET_FILE:ReportsPlugin>"
    QEL_IMPORT_PLUGIN="$<TARGET_FILE:ImportPlugin>")
  set_target_properties(${target} PROPERTIES ENABLE_EXPORTS ON)
  qel_add_version_block(${target} PRODUCT_NAME "QEL2")
  add_dependencies(${target} QELRes Data Controls ReportDocument qel_trace_plugin qel_booking_plugin
                   Views ReportsPlugin ImportPlugin)
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen RUN_SERIAL TRUE)
endfunction()
