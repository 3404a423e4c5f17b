# cmake -DSRC=<dir> -DDST=<dir> -P CopyMissing.cmake
# Copies every file of SRC into DST unless DST already has it: a rebuild never
# overwrites a user's data.
file(GLOB_RECURSE files RELATIVE ${SRC} LIST_DIRECTORIES true ${SRC}/*)
foreach(rel IN LISTS files)
  if(IS_DIRECTORY ${SRC}/${rel})
    file(MAKE_DIRECTORY ${DST}/${rel})
  elseif(rel MATCHES "(^|/)\\.gitkeep$")
    # placeholders that keep empty folders in git are not data
  elseif(NOT EXISTS ${DST}/${rel})
    get_filename_component(parent ${DST}/${rel} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(COPY ${SRC}/${rel} DESTINATION ${parent})
  endif()
endforeach()
