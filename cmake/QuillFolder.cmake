# One object library per source folder: every .cpp below DIR (not below a nested folder that
# has its own CMakeLists.txt) is compiled into it.
function(quill_folder NAME)
  cmake_parse_arguments(Q "" "" "DEPS" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT _src)
    set(_src ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${NAME} OBJECT ${_src})
  target_include_directories(${NAME} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${NAME} PUBLIC ${Q_DEPS})
endfunction()

# One test program per area: every *_test.cpp below the current folder, linked with LIBS.
function(quill_tests NAME)
  cmake_parse_arguments(Q "" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/*_fixture.cpp)
  if(NOT _src)
    return()
  endif()
  add_executable(${NAME} ${_src})
  set_target_properties(${NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${NAME} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${NAME} PRIVATE ${Q_LIBS} quill_test_support GTest::gtest GTest::gmock)
  gtest_discover_tests(${NAME} DISCOVERY_TIMEOUT 60)
endfunction()

# One editor program: its FOLDERS (each an object library NAME_FOLDER), its resources and the
# shared objects. NAME_OBJECTS (in capitals) lists them all; tests, tools and benchmarks link
# the same list.
function(quill_editor_program NAME)
  cmake_parse_arguments(Q "" "" "FOLDERS" ${ARGN})
  set(_objects)
  foreach(_folder ${Q_FOLDERS})
    add_subdirectory(${_folder})
    list(APPEND _objects ${NAME}_${_folder})
  endforeach()
  list(APPEND _objects ${NAME}_resources quill_common quill_pcb plat_app plat_qthost plat_gdi plat_system plat_core)
  string(TOUPPER ${NAME} _upper)
  set(${_upper}_OBJECTS ${_objects} CACHE INTERNAL "")
  add_executable(${NAME} main.cpp)
  target_link_libraries(${NAME} PRIVATE ${_objects})
endfunction()
