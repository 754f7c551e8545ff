# The layers of the core, from the ground up. Each module sees the folders
# of its own layer and of the layers below it, and nothing else: its sources
# are compiled against a directory of its own (build/layers/<name>/) that
# holds links to those folders only, so an include that climbs the layers
# fails the build. `extra` names further folders a layer may see by their
# path under src/ (the sound player, for the top).
set(PIMLO_LAYERS base text catalogue config drill history session commands app)

# pimlo_layer_dir(out name folders...): makes build/layers/<name>/ with a link
# to each folder of src/core (or of src/ for the "../" ones) and sets `out`
# to its path.
function(pimlo_layer_dir out name)
  set(dir ${PROJECT_BINARY_DIR}/layers/${name})
  file(REMOVE_RECURSE ${dir})
  file(MAKE_DIRECTORY ${dir})
  foreach(folder ${ARGN})
    get_filename_component(leaf ${folder} NAME)
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/core/${folder} ${dir}/${leaf} SYMBOLIC)
  endforeach()
  set(${out} ${dir} PARENT_SCOPE)
endfunction()

# pimlo_module(name deps... [SEES folder...]): a static library
# pimlo_<name> built from the sources of src/core/<name>/, compiled against
# its layer and the layers below it.
function(pimlo_module name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SEES")
  list(FIND PIMLO_LAYERS ${name} top)
  list(SUBLIST PIMLO_LAYERS 0 ${top} below)
  pimlo_layer_dir(dir ${name} ${below} ${name} ${arg_SEES})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/core/${name}/*.cpp)
  add_library(pimlo_${name} STATIC ${sources})
  target_include_directories(pimlo_${name} PRIVATE ${dir})
  target_link_libraries(pimlo_${name} PUBLIC ${arg_UNPARSED_ARGUMENTS})
endfunction()

# pimlo_unit_test(name lib): tests/unit/<name>/*.cpp as one GoogleTest binary.
function(pimlo_unit_test name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/unit/${name}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources} ${CMAKE_CURRENT_SOURCE_DIR}/support/sandbox.cpp)
  target_include_directories(test_${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/support)
  # Tests find their support files here, whatever directory they run in.
  target_compile_definitions(test_${name} PRIVATE PIMLO_TEST_SUPPORT_DIR="${CMAKE_CURRENT_SOURCE_DIR}/support")
  target_link_libraries(test_${name} PRIVATE ${ARGN} pimlo_core GTest::gtest_main)
  gtest_discover_tests(test_${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "PIMLO_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}/data")
endfunction()
