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
