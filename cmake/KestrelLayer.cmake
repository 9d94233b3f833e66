# kestrel_add_layer(<folder> DEPS <libraries...>)
# Builds every .cpp of <folder> (recursively) into the library kestrel_<folder>.
# New files are picked up at the next build without editing any CMakeLists.
function(kestrel_add_layer folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  string(REPLACE "/" "_" target "kestrel_${folder}")
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/${folder}/*.cpp
       ${PROJECT_SOURCE_DIR}/${folder}/*.h
       ${PROJECT_SOURCE_DIR}/${folder}/*.qrc)
  set(has_cpp FALSE)
  foreach(s IN LISTS sources)
    if(s MATCHES "\\.cpp$")
      set(has_cpp TRUE)
    endif()
  endforeach()
  if(has_cpp)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
  endif()
  set(KESTREL_LAST_TARGET ${target} PARENT_SCOPE)
endfunction()
