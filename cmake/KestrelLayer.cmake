# kestrel_add_layer(<folder> [DEPS <libraries...>])
# Builds every .cpp of <folder> (recursively; a main.cpp at its top belongs to a
# program) into the static library kestrel_<folder>, slashes turned into
# underscores. New files are picked up at the next build without editing any
# CMakeLists.
#
# The library hands on an include folder that holds <folder> alone, and links its
# DEPS privately: a folder sees the headers of the libraries it names itself and
# no others, so an include of a folder it is not built on, or of a Qt header in a
# folder that does not link Qt, fails to compile.
function(kestrel_add_layer folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  string(REPLACE "/" "_" target "kestrel_${folder}")
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/${folder}/*.cpp
       ${PROJECT_SOURCE_DIR}/${folder}/*.h
       ${PROJECT_SOURCE_DIR}/${folder}/*.qrc)
  list(FILTER sources EXCLUDE REGEX "^${PROJECT_SOURCE_DIR}/${folder}/main\\.cpp$")

  # <build>/layer-include/<library>/<folder> is a link to the source folder.
  set(include_root ${PROJECT_BINARY_DIR}/layer-include/${target})
  get_filename_component(link_parent ${include_root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${link_parent})
  file(REMOVE ${include_root}/${folder})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${include_root}/${folder} SYMBOLIC)

  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${include_root})
  target_link_libraries(${target} PRIVATE ${ARG_DEPS})

  # The library with everything it is built on, for kestrel_link_layer.
  set(stack ${target})
  foreach(dep IN LISTS ARG_DEPS)
    if(TARGET ${dep})
      get_target_property(dep_stack ${dep} KESTREL_STACK)
    endif()
    if(dep_stack)
      list(APPEND stack ${dep_stack})
    else()
      list(APPEND stack ${dep})
    endif()
    unset(dep_stack)
  endforeach()
  list(REMOVE_DUPLICATES stack)
  set_target_properties(${target} PROPERTIES KESTREL_STACK "${stack}")
endfunction()

# kestrel_link_layer(<target> <layer library>)
# Links a program or test with a layer and everything the layer is built on,
# headers included.
function(kestrel_link_layer target layer)
  get_target_property(stack ${layer} KESTREL_STACK)
  target_link_libraries(${target} PRIVATE ${stack})
endfunction()
