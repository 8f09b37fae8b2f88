# Build helpers shared by every folder.

set(QBX_WARNINGS -Wall -Wextra -Werror)
# GCC 12 reports false -Wrestrict overlaps inside std::string concatenation at -O2 and above
# (GCC bug 105651); the warning stays off there so Release builds are not refused for it.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  list(APPEND QBX_WARNINGS -Wno-restrict)
endif()
if(QBX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# qbx_add_library(name SOURCES... [DEPS libs...] [STATIC])
# Libraries are shared by default: the device controls library is loaded with dlopen and must
# use the same form model, registry and event loop as the program that loads it, which static
# copies linked into both would break.
function(qbx_add_library name)
  cmake_parse_arguments(ARG "SHARED;STATIC" "" "SOURCES;DEPS" ${ARGN})
  if(ARG_STATIC)
    add_library(${name} STATIC ${ARG_SOURCES})
  else()
    add_library(${name} SHARED ${ARG_SOURCES})
  endif()
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${QBX_WARNINGS})
  if(ARG_DEPS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  endif()
endfunction()

# qbx_add_executable(name SOURCES... [DEPS libs...])
function(qbx_add_executable name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${QBX_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
endfunction()

# qbx_add_test(name SOURCES... [DEPS libs...]): one GoogleTest executable registered with CTest.
# The source and build folders reach the tests as the macros QBX_TEST_SOURCE_DIR and
# QBX_TEST_BINARY_DIR (gtest_discover_tests passes only one environment variable reliably).
function(qbx_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${QBX_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    QBX_TEST_SOURCE_DIR="${PROJECT_SOURCE_DIR}" QBX_TEST_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

include(GoogleTest)
