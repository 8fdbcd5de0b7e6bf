# The project's libraries are object libraries, and every program links the
# objects of all the libraries it depends on, directly or not.
#
# Why not static archives: winegcc builds a program's Win32 import table from
# the objects it sees in a first, partial link. The final link may then pull
# one more archive member (for a template instantiation another library also
# needs), bringing Win32 calls that have no import, and the link fails.
# Linking whole object lists keeps both links the same.

# project_library(<name> SOURCES <files...> [DEPENDS <project libraries...>]
#                 [SYSTEM <other libraries...>])
function(project_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;SYSTEM" ${ARGN})
  add_library(${name} OBJECT ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} ${ARG_SYSTEM})
  set_property(TARGET ${name} PROPERTY PROJECT_DEPENDS ${ARG_DEPENDS})
endfunction()

# The libraries given and everything they depend on, each once.
function(project_library_closure out)
  set(result "")
  set(pending ${ARGN})
  while(pending)
    list(POP_FRONT pending library)
    if(NOT library IN_LIST result)
      list(APPEND result ${library})
      get_property(depends TARGET ${library} PROPERTY PROJECT_DEPENDS)
      list(APPEND pending ${depends})
    endif()
  endwhile()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# target_link_project_libraries(<program> <project libraries...>)
function(target_link_project_libraries target)
  project_library_closure(libraries ${ARGN})
  foreach(library ${libraries})
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:${library}>)
    target_link_libraries(${target} PRIVATE ${library})
  endforeach()
endfunction()
