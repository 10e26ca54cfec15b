# The module's folders are layers: each folder is one library that sees only its own headers and
# those of the folders it depends on. A target's include root is a folder of links, one to each
# folder it may include from, so that an #include "page/..." in store/ fails to compile.
#
#   prf_add_layer(<target> FOLDER <folder> SOURCES <files...> [DEPENDS <layer targets...>])
#
# DEPENDS names the layers the folder uses directly; their folders, and the folders they see,
# become visible to the new layer and to everything that links it.
function(prf_add_layer target)
  cmake_parse_arguments(PARSE_ARGV 1 LAYER "" "FOLDER" "SOURCES;DEPENDS")
  list(TRANSFORM LAYER_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/${LAYER_FOLDER}/)
  add_library(${target} STATIC ${LAYER_SOURCES})
  set(folders ${LAYER_FOLDER})
  foreach(dependency IN LISTS LAYER_DEPENDS)
    get_target_property(seen ${dependency} PRF_LAYER_FOLDERS)
    list(APPEND folders ${seen})
  endforeach()
  list(REMOVE_DUPLICATES folders)
  set_target_properties(${target} PROPERTIES PRF_LAYER_FOLDERS "${folders}"
                        POSITION_INDEPENDENT_CODE ON CXX_VISIBILITY_PRESET hidden
                        VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(${target} PUBLIC ${LAYER_DEPENDS})
  prf_include_folders(${target} ${folders})
endfunction()

# Lets `target` include from the given folders of the tree, and from no other.
function(prf_include_folders target)
  set(root ${CMAKE_BINARY_DIR}/include-roots/${target})
  file(MAKE_DIRECTORY ${root})
  foreach(folder IN LISTS ARGN)
    if(NOT EXISTS ${root}/${folder})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} PRIVATE ${root})
endfunction()

# The folders a layer sees, for a program or library that builds on it without being a layer.
function(prf_include_layer target layer)
  get_target_property(folders ${layer} PRF_LAYER_FOLDERS)
  prf_include_folders(${target} ${folders})
endfunction()
