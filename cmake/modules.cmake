# pimlo_module(name deps...): a static library pimlo_<name> built from the
# sources of src/core/<name>/, public headers rooted at src/core/. A folder
# without sources yet becomes an interface library that only forwards deps.
function(pimlo_module name)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/core/${name}/*.cpp)
  if(sources)
    add_library(pimlo_${name} STATIC ${sources})
    target_include_directories(pimlo_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src/core)
    target_link_libraries(pimlo_${name} PUBLIC ${ARGN})
  else()
    add_library(pimlo_${name} INTERFACE)
    target_include_directories(pimlo_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src/core)
    target_link_libraries(pimlo_${name} INTERFACE ${ARGN})
  endif()
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
