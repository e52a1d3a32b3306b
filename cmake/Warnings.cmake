# Warnings for every target of the project; errors when TUB_WERROR is on (CI).
add_library(tub_warnings INTERFACE)
target_compile_options(tub_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wdouble-promotion -Wswitch-enum
  $<$<BOOL:${TUB_WERROR}>:-Werror>)
# GCC 12 at -O3 reports overlapping copies inside std::string that cannot
# happen (GCC bug 105329); keep them visible as warnings, not errors.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(tub_warnings INTERFACE -Wno-error=restrict)
endif()

# Adds one static library made of every source in a folder of src/.
function(tub_folder_library name folder)
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE tub_warnings)
endfunction()

# Adds one GoogleTest executable from every test source in a folder of tests/.
function(tub_folder_tests name folder)
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE tub_warnings GTest::gtest GTest::gtest_main ${ARGN})
  target_compile_definitions(${name} PRIVATE
    TUB_TESTDATA_DIR="${PROJECT_SOURCE_DIR}/../shared/testdata"
    TUB_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()
