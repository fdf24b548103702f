# The layers may only include downwards. Each library's include root is a folder of its own that
# holds links to just the source folders it may use (its own and those of the layers below it),
# so an include that points up the stack fails to compile instead of hiding in one big library.
#   drovik_layer_view(TARGET FOLDER…): FOLDERs are paths below src/ ("settings/store").
function(drovik_layer_view target)
  set(_view "${CMAKE_BINARY_DIR}/layers/${target}")
  foreach(_folder IN LISTS ARGN)
    set(_link "${_view}/${_folder}")
    get_filename_component(_parent "${_link}" DIRECTORY)
    file(MAKE_DIRECTORY "${_parent}")
    if(NOT IS_SYMLINK "${_link}")
      file(CREATE_LINK "${PROJECT_SOURCE_DIR}/src/${_folder}" "${_link}" SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} PUBLIC "${_view}")
endfunction()
