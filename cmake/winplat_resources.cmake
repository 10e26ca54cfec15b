# winplat_add_resources(target rc_file): compiles a .rc script with i686-w64-mingw32-windres to a
# .res file and embeds it in the target's shared object, in the ELF section "winplat_rsrc" that
# the platform's FindResource reads. File names in the script are relative to the script's folder.
# A target may take several scripts: their .res files follow one another in the section.
find_program(WINPLAT_WINDRES i686-w64-mingw32-windres REQUIRED)

function(winplat_add_resources target rc_file)
  get_filename_component(rc_path "${rc_file}" ABSOLUTE)
  get_filename_component(rc_dir "${rc_path}" DIRECTORY)
  get_filename_component(rc_name "${rc_path}" NAME_WE)
  set(out_dir "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources")
  set(res_file "${out_dir}/${rc_name}.res")
  set(cpp_file "${out_dir}/${rc_name}_res.cpp")
  # Every file the script names is a dependency (pictures and included .rci fragments), so
  # editing one rebuilds the .res.
  file(STRINGS "${rc_path}" rc_lines REGEX "\"[^\"]+\\.(bmp|ico|cur|bin|rci|h)\"")
  set(rc_inputs "")
  foreach(line IN LISTS rc_lines)
    string(REGEX MATCH "\"([^\"]+)\"" _ "${line}")
    if(EXISTS "${rc_dir}/${CMAKE_MATCH_1}")
      list(APPEND rc_inputs "${rc_dir}/${CMAKE_MATCH_1}")
    else()
      list(APPEND rc_inputs "${PROJECT_SOURCE_DIR}/${CMAKE_MATCH_1}")
    endif()
  endforeach()
  list(REMOVE_DUPLICATES rc_inputs)
  add_custom_command(
    OUTPUT "${res_file}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${out_dir}"
    COMMAND ${WINPLAT_WINDRES} --input-format=rc --output-format=res -I "${rc_dir}" -I "${PROJECT_SOURCE_DIR}"
            -i "${rc_path}" -o "${res_file}"
    WORKING_DIRECTORY "${rc_dir}"
    DEPENDS "${rc_path}" ${rc_inputs}
    COMMENT "Compiling resources ${rc_name}.rc for ${target}"
    VERBATIM)
  file(MAKE_DIRECTORY "${out_dir}")
  file(WRITE "${cpp_file}.in"
       "// Generated: the resources of ${rc_name}.rc, kept by the linker in their own section.\n"
       "asm(\".pushsection winplat_rsrc,\\\"aR\\\",@progbits\\n\"\n"
       "    \".balign 4\\n\"\n"
       "    \".incbin \\\"${res_file}\\\"\\n\"\n"
       "    \".popsection\\n\");\n")
  configure_file("${cpp_file}.in" "${cpp_file}" COPYONLY)
  set_source_files_properties("${cpp_file}" PROPERTIES OBJECT_DEPENDS "${res_file}")
  target_sources(${target} PRIVATE "${cpp_file}")
endfunction()
