# Our drawn pictures go into the program as text: every SVG file of a folder becomes one
# std::string_view constant named after the file ("bus_tool.svg" -> bus_tool) in a generated
# header, so a misspelt picture name fails the build.
#
#   quill_embed_images(schemora_resources NAMESPACE scm::drawn
#                      HEADER resources/schemora/drawn_images.h
#                      FOLDERS ${CMAKE_CURRENT_SOURCE_DIR}/images)
function(quill_embed_images TARGET)
  cmake_parse_arguments(Q "" "NAMESPACE;HEADER" "FOLDERS" ${ARGN})
  set(_files)
  foreach(_folder ${Q_FOLDERS})
    file(GLOB _found CONFIGURE_DEPENDS ${_folder}/*.svg)
    list(APPEND _files ${_found})
  endforeach()
  list(SORT _files)
  set(_out ${CMAKE_BINARY_DIR}/generated/${Q_HEADER})
  set(_list ${CMAKE_CURRENT_BINARY_DIR}/${TARGET}_images.txt)
  file(WRITE ${_list}.tmp "${_files}")
  file(COPY_FILE ${_list}.tmp ${_list} ONLY_IF_DIFFERENT)
  add_custom_command(OUTPUT ${_out}
    COMMAND ${CMAKE_COMMAND} -DOUT=${_out} -DNAMESPACE=${Q_NAMESPACE} -DLIST=${_list}
            -P ${PROJECT_SOURCE_DIR}/cmake/embed_images_script.cmake
    DEPENDS ${_files} ${_list} ${PROJECT_SOURCE_DIR}/cmake/embed_images_script.cmake
    COMMENT "Embedding the drawn images of ${TARGET}")
  target_sources(${TARGET} PRIVATE ${_out})
  target_include_directories(${TARGET} PUBLIC ${CMAKE_BINARY_DIR}/generated)
endfunction()
