# Resource scripts (.rc) compiled with Wine's resource compiler into the
# programs: cursors, bitmaps, icons and string tables.
#
# project_resources(<target> SCRIPTS <file.rc...> [INCLUDE_DIRS <dirs...>]
#                   [DEPENDS <files or targets...>])
#   Compiles the scripts to .res files. A program links them itself; a
#   project library (project_library) hands them to every program that links
#   it, directly or not. Files a script names are looked up in INCLUDE_DIRS,
#   then beside the script. DEPENDS names what the scripts need first (for
#   instance generated pictures). Scripts with Turkish text say
#   `#pragma code_page(1254)`.

find_program(WRC_EXECUTABLE NAMES wrc wrc-stable PATHS /usr/lib/wine /usr/lib64/wine REQUIRED)

function(project_resources target)
  cmake_parse_arguments(ARG "" "" "SCRIPTS;INCLUDE_DIRS;DEPENDS" ${ARGN})
  set(outputs "")
  foreach(script ${ARG_SCRIPTS})
    get_filename_component(script ${script} ABSOLUTE)
    get_filename_component(name ${script} NAME_WE)
    get_filename_component(script_dir ${script} DIRECTORY)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_${name}.res)
    set(includes "")
    foreach(dir ${ARG_INCLUDE_DIRS} ${script_dir})
      list(APPEND includes -I${dir})
    endforeach()
    add_custom_command(OUTPUT ${output}
      COMMAND ${WRC_EXECUTABLE} --nostdinc ${includes} -o ${output} ${script}
      DEPENDS ${script} ${ARG_DEPENDS}
      COMMENT "Compiling resources ${name}.rc"
      VERBATIM)
    list(APPEND outputs ${output})
  endforeach()
  add_custom_target(${target}_resources DEPENDS ${outputs})

  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    add_dependencies(${target} ${target}_resources)
    _project_link_resource_files(${target} ${outputs})
  else()
    set_property(TARGET ${target} APPEND PROPERTY PROJECT_RESOURCES ${outputs})
    set_property(TARGET ${target} APPEND PROPERTY PROJECT_RESOURCE_TARGETS ${target}_resources)
  endif()
endfunction()

# Links compiled resources into a program (winegcc takes .res files on its
# link line).
function(_project_link_resource_files program)
  foreach(res ${ARGN})
    target_link_libraries(${program} PRIVATE ${res})
    set_property(TARGET ${program} APPEND PROPERTY LINK_DEPENDS ${res})
  endforeach()
endfunction()

# Every target of a directory and its subdirectories.
function(_project_targets_below dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir ${subdirs})
    _project_targets_below(${subdir} below)
    list(APPEND targets ${below})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Once every target is declared: each program gets the resources of the
# project libraries it links.
function(_project_link_library_resources)
  _project_targets_below(${PROJECT_SOURCE_DIR} targets)
  foreach(program ${targets})
    get_target_property(type ${program} TYPE)
    if(NOT type STREQUAL "EXECUTABLE")
      continue()
    endif()
    get_target_property(linked ${program} LINK_LIBRARIES)
    set(libraries "")
    foreach(library ${linked})
      if(TARGET ${library})
        get_target_property(library_type ${library} TYPE)
        if(library_type STREQUAL "OBJECT_LIBRARY")
          list(APPEND libraries ${library})
        endif()
      endif()
    endforeach()
    if(NOT libraries)
      continue()
    endif()
    project_library_closure(closure ${libraries})
    foreach(library ${closure})
      get_property(resources TARGET ${library} PROPERTY PROJECT_RESOURCES)
      get_property(resource_targets TARGET ${library} PROPERTY PROJECT_RESOURCE_TARGETS)
      if(resources)
        add_dependencies(${program} ${resource_targets})
        _project_link_resource_files(${program} ${resources})
      endif()
    endforeach()
  endforeach()
endfunction()

cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL _project_link_library_resources)
