# korva_layer_view(<target> <folder> [libraries below it...]) lets <target> see
# the headers of <folder> and of the libraries it builds on, and no others:
# the target's include path is a folder of links made for it alone, so an
# include that reaches up a layer fails to compile instead of passing quietly.
function(korva_layer_view target folder)
  set(visible ${folder})
  foreach(dep IN LISTS ARGN)
    if(NOT TARGET ${dep})
      message(FATAL_ERROR "${target} builds on ${dep}, which does not exist")
    endif()
    get_target_property(below ${dep} KORVA_VISIBLE_FOLDERS)
    list(APPEND visible ${below})
  endforeach()
  list(REMOVE_DUPLICATES visible)
  set(view ${PROJECT_BINARY_DIR}/layers/${folder})
  file(REMOVE_RECURSE ${view})
  file(MAKE_DIRECTORY ${view})
  foreach(name IN LISTS visible)
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${name} ${view}/${name} SYMBOLIC)
  endforeach()
  set_target_properties(${target} PROPERTIES KORVA_VISIBLE_FOLDERS "${visible}")
  target_include_directories(${target} PUBLIC ${view})
endfunction()

# korva_library(<folder> [libraries below it...]) makes the static library
# korva_<folder> from every .cpp in the folder, linked with the libraries it
# builds on and no others.
function(korva_library folder)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  if(NOT sources)
    message(FATAL_ERROR "korva_library(${folder}): the folder holds no sources")
  endif()
  add_library(korva_${folder} STATIC ${sources})
  target_link_libraries(korva_${folder} PUBLIC ${ARGN})
  korva_layer_view(korva_${folder} ${folder} ${ARGN})
endfunction()

# The toolkit-free libraries, highest first (for linking).
set(KORVA_LIBS korva_app korva_search korva_daily korva_plan korva_lists korva_core korva_archive)
