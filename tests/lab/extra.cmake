# The emulated hidraw lab needs libfuse3 (FUSE low-level API) in test_lab,
# and the program itself for the acceptance run.
if(TARGET test_lab)
  pkg_check_modules(FUSE3 REQUIRED IMPORTED_TARGET fuse3)
  target_link_libraries(test_lab PRIVATE PkgConfig::FUSE3)
  add_dependencies(test_lab trv630-pc)
  target_compile_definitions(test_lab PRIVATE TRV630_PROGRAM="$<TARGET_FILE:trv630-pc>")
endif()
