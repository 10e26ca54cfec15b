# The suites built for Windows against the system's Win32, run under Wine by scripts/wine-test:
# the module's behaviour through the real registry, spooler, files and code pages. Suites that
# look at the platform layer's own machinery (emulated Windows versions and locales, the
# operator's logs, rendering) stay in the Linux build.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_executable(module_tests
  abi/byte_reader_test.cpp abi/devmode_view_test.cpp
  apply/convert_restore_test.cpp apply/plugins_apply_test.cpp
  describe/profile_summary_test.cpp describe/summary_changes_test.cpp
  describe/summary_labels_test.cpp describe/summary_list_test.cpp describe/summary_sizes_test.cpp
  profilefile/jzp_codec_test.cpp profilefile/jzp_damaged_file_test.cpp
  profilefile/jzp_file_test.cpp profilefile/jzp_import_rules_test.cpp
  profilefile/jzp_known_answer_test.cpp profilefile/jzp_size_edges_test.cpp
  store/data_sets_test.cpp store/page_devmode_test.cpp store/profile_list_test.cpp
  store/profile_values_test.cpp store/stored_bytes_test.cpp store/vtprofjzp_test.cpp)
target_include_directories(module_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR})
target_link_libraries(module_tests PRIVATE prf_module prfhost_lib gtest gtest_main)
target_compile_definitions(module_tests PRIVATE PRF_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
add_dependencies(module_tests PRFMOD32 JZRES32 JZ53UI JZ21UI)

add_executable(host_tests
  host/module_host_test.cpp host/resource_module_test.cpp host/session_test.cpp
  host/settings_diff_test.cpp host/settings_fields_test.cpp host/string_table_test.cpp)
target_link_libraries(host_tests PRIVATE prfhost_lib gtest gtest_main)
target_include_directories(host_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR})
target_compile_definitions(host_tests PRIVATE PRF_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
add_dependencies(host_tests PRFMOD32 JZRES32 JZ53UI JZ21UI)

# The profile page through the system's windows, common controls and dialogs: the operator's
# Windows driver answers its dialogs, questions and file choosers.
add_executable(page_tests
  page/button_rules_test.cpp page/page_commands_test.cpp page/page_dialog_test.cpp
  page/page_file_commands_test.cpp page/page_help_test.cpp page/page_import_test.cpp
  page/page_keyboard_test.cpp page/page_language_test.cpp page/page_session_test.cpp
  page/page_standalone_test.cpp page/profile_properties_test.cpp)
target_include_directories(page_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR})
target_link_libraries(page_tests PRIVATE prf_module prfhost_lib winplat_operator gtest gtest_main)
target_compile_definitions(page_tests PRIVATE PRF_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
add_dependencies(page_tests PRFMOD32 JZRES32 JZ53UI JZ21UI)

# The operator's Windows driver on the system's own dialogs.
add_executable(operator_tests platform_windows/operator_hook_test.cpp)
target_link_libraries(operator_tests PRIVATE winplat_operator gtest gtest_main)
add_dependencies(operator_tests JZRES32)
