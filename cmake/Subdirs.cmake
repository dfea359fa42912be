# Adds every direct subfolder of the current folder that has a
# CMakeLists.txt, in name order.
function(kalvix_add_subdirs)
  file(GLOB _subdirs LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT _subdirs)
  foreach(d IN LISTS _subdirs)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${d}/CMakeLists.txt)
      add_subdirectory(${d})
    endif()
  endforeach()
endfunction()
