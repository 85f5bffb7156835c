# The program's layering, checked rather than merely agreed.
#
# kursan_check_folders(FOLDER...): the folders under src/ in their order, lowest first. A source
# file may include headers of its own folder and of folders before it, never of one after it, so
# no folder depends on another in a circle and the widget-free libraries include no window.
# Runs at configure time and again, as the target kursan_layers, whenever a source changes.
#
# kursan_forbid_links(LIBRARY... IN TARGET...): fails when a TARGET links a LIBRARY, directly or
# through any library it links.

function(_kursan_folder_problems source_dir order out)
  set(problems "")
  foreach(folder IN LISTS order)
    list(FIND order "${folder}" rank)
    file(GLOB files "${source_dir}/src/${folder}/*.h" "${source_dir}/src/${folder}/*.cpp")
    foreach(file IN LISTS files)
      file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
      foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" included "${line}")
        get_filename_component(dir "${included}" DIRECTORY)
        list(FIND order "${dir}" used)
        if(used GREATER rank)
          file(RELATIVE_PATH shown "${source_dir}" "${file}")
          list(APPEND problems "${shown} includes ${included}")
        endif()
      endforeach()
    endforeach()
  endforeach()
  set(${out} "${problems}" PARENT_SCOPE)
endfunction()

function(_kursan_report_folders problems order)
  if(problems)
    list(JOIN problems "\n  " text)
    list(JOIN order " < " shown)
    message(FATAL_ERROR "Includes against the folder order (${shown}):\n  ${text}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  # cmake -DSOURCE_DIR=... -DFOLDERS=a;b -DSTAMP=... -P layers.cmake
  _kursan_folder_problems("${SOURCE_DIR}" "${FOLDERS}" problems)
  _kursan_report_folders("${problems}" "${FOLDERS}")
  file(TOUCH "${STAMP}")
  return()
endif()

function(kursan_check_folders)
  set(order ${ARGN})
  _kursan_folder_problems("${CMAKE_SOURCE_DIR}" "${order}" problems)
  _kursan_report_folders("${problems}" "${order}")
  set(sources "")
  foreach(folder IN LISTS order)
    file(GLOB found CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/src/${folder}/*.h"
         "${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp")
    list(APPEND sources ${found})
  endforeach()
  set(stamp "${CMAKE_BINARY_DIR}/kursan_layers.stamp")
  add_custom_command(OUTPUT "${stamp}"
    COMMAND ${CMAKE_COMMAND} "-DSOURCE_DIR=${CMAKE_SOURCE_DIR}" "-DFOLDERS=${order}"
            "-DSTAMP=${stamp}" -P "${CMAKE_CURRENT_FUNCTION_LIST_FILE}"
    DEPENDS ${sources} "${CMAKE_CURRENT_FUNCTION_LIST_FILE}"
    COMMENT "Checking the includes against the folder order"
    VERBATIM)
  add_custom_target(kursan_layers DEPENDS "${stamp}")
endfunction()

# Every target `target` links, itself included, following aliases and link-only wrappers.
function(_kursan_linked target out)
  set(seen "")
  set(todo "${target}")
  while(todo)
    list(POP_FRONT todo item)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
    if(NOT TARGET "${item}")
      continue()
    endif()
    get_target_property(aliased "${item}" ALIASED_TARGET)
    if(aliased)
      set(item "${aliased}")
    endif()
    if("${item}" IN_LIST seen)
      continue()
    endif()
    list(APPEND seen "${item}")
    get_target_property(imported "${item}" IMPORTED)
    get_target_property(type "${item}" TYPE)
    if(NOT imported AND NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(direct "${item}" LINK_LIBRARIES)
      if(direct)
        list(APPEND todo ${direct})
      endif()
    endif()
    get_target_property(interface "${item}" INTERFACE_LINK_LIBRARIES)
    if(interface)
      list(APPEND todo ${interface})
    endif()
  endwhile()
  set(${out} "${seen}" PARENT_SCOPE)
endfunction()

function(kursan_forbid_links)
  list(FIND ARGN IN at)
  list(SUBLIST ARGN 0 ${at} forbidden)
  math(EXPR first "${at} + 1")
  list(SUBLIST ARGN ${first} -1 targets)
  foreach(target IN LISTS targets)
    if(NOT TARGET "${target}")
      continue()
    endif()
    _kursan_linked("${target}" linked)
    foreach(library IN LISTS forbidden)
      set(name "${library}")
      get_target_property(aliased "${library}" ALIASED_TARGET)
      if(aliased)
        set(name "${aliased}")
      endif()
      if("${name}" IN_LIST linked)
        message(FATAL_ERROR "${target} must not link ${library}, directly or through another "
                            "library: it is part of the widget-free side.")
      endif()
    endforeach()
  endforeach()
endfunction()
