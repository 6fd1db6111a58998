# One static library per source folder. Each names the folders below it that
# it may use (DEPS); it links exactly those, so a folder that reaches up
# (includes a header of a folder above it) fails to link, and the layering
# test (tests/CheckLayers.cmake) names the include that does it.
#
#   vantor_layer(<folder> [QT] DEPS <folder>... [LIBS <target>...])
#
# <folder> is relative to src/ ("codes/ui"); its target is vantor_<folder>
# with '/' as '_'. A folder's ui/ sub-folder is a layer of its own.
set_property(GLOBAL PROPERTY VANTOR_LAYER_LIST "")

function(vantor_target_of folder out)
  string(REPLACE "/" "_" name "${folder}")
  set(${out} vantor_${name} PARENT_SCOPE)
endfunction()

function(vantor_layer folder)
  cmake_parse_arguments(L "QT" "" "DEPS;LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp)
  vantor_target_of(${folder} target)
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  set(closure ${folder})
  foreach(dep ${L_DEPS})
    vantor_target_of(${dep} dep_target)
    target_link_libraries(${target} PUBLIC ${dep_target})
    get_property(dep_closure GLOBAL PROPERTY VANTOR_LAYER_${dep})
    list(APPEND closure ${dep_closure})
  endforeach()
  list(REMOVE_DUPLICATES closure)
  if(L_LIBS)
    target_link_libraries(${target} PUBLIC ${L_LIBS})
  endif()
  if(L_QT)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
  endif()
  set_property(GLOBAL PROPERTY VANTOR_LAYER_${folder} "${closure}")
  set_property(GLOBAL APPEND PROPERTY VANTOR_LAYER_LIST "${folder}")
endfunction()

# "folder:allowed,allowed;folder:..." for the layering test.
function(vantor_layer_table out)
  get_property(layers GLOBAL PROPERTY VANTOR_LAYER_LIST)
  set(table "")
  foreach(folder ${layers})
    get_property(closure GLOBAL PROPERTY VANTOR_LAYER_${folder})
    string(REPLACE ";" "," allowed "${closure}")
    list(APPEND table "${folder}:${allowed}")
  endforeach()
  set(${out} "${table}" PARENT_SCOPE)
endfunction()
