# Each layer's sources are collected by folder, so adding a file to a folder adds it to its
# layer's target and nothing else has to change.
function(corvane_glob out)
  set(files)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
         "${CMAKE_SOURCE_DIR}/${dir}/*.cpp" "${CMAKE_SOURCE_DIR}/${dir}/*.h")
    list(APPEND files ${found})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# Like corvane_glob, but leaves out the files under the given sub-folders.
function(corvane_glob_excluding out dir)
  corvane_glob(files ${dir})
  foreach(skip IN LISTS ARGN)
    list(FILTER files EXCLUDE REGEX "^${CMAKE_SOURCE_DIR}/${dir}/${skip}/")
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()
