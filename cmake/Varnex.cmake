# Helpers shared by every subsystem folder.
include(GoogleTest)

# varnex_library(<name> [SHARED|STATIC] DIR <dir> [DEPS ...])
# Builds a library from every .cpp directly in <dir> (not its subfolders).
function(varnex_library name)
  cmake_parse_arguments(A "SHARED;STATIC" "DIR" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${A_DIR}/*.cpp)
  file(GLOB hdrs CONFIGURE_DEPENDS ${A_DIR}/*.h)
  if(A_SHARED)
    add_library(${name} SHARED ${srcs} ${hdrs})
  else()
    add_library(${name} STATIC ${srcs} ${hdrs})
  endif()
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_DEPS})
endfunction()

# varnex_test(<folder> [DEPS ...]): one GoogleTest executable per folder from every
# .cpp in tests/<folder>; widget tests run on the offscreen Qt platform.
function(varnex_test folder)
  cmake_parse_arguments(A "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(exe test_${folder})
  add_executable(${exe} ${srcs})
  target_link_libraries(${exe} PRIVATE ${A_DEPS} GTest::gtest GTest::gmock)
  if(NOT A_DEPS MATCHES "gtest_main")
    target_link_libraries(${exe} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${exe} PRIVATE VARNEX_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
  gtest_discover_tests(${exe}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp")
endfunction()
