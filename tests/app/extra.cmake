# The end-to-end shutdown test starts the real program.
if(TARGET test_app AND TARGET trv630-pc)
  add_dependencies(test_app trv630-pc)
endif()
