# Helpers shared by every subsystem folder.

# varnex_library(<name> [SHARED|STATIC|OBJECT] DIR <dir> SOURCES <file>... [DEPS ...])
# Builds a library from the listed .cpp files of <dir> (names relative to it); the test
# `layering` checks that every .cpp of a folder is listed.
function(varnex_library name)
  cmake_parse_arguments(A "SHARED;STATIC;OBJECT" "DIR" "SOURCES;DEPS" ${ARGN})
  list(TRANSFORM A_SOURCES PREPEND ${A_DIR}/)
  if(A_SHARED)
    add_library(${name} SHARED ${A_SOURCES})
  elseif(A_OBJECT)
    add_library(${name} OBJECT ${A_SOURCES})
  else()
    add_library(${name} STATIC ${A_SOURCES})
  endif()
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_DEPS})
endfunction()

# varnex_test(<folder> [QT_APP] [DEPS ...] SOURCES <file>...): one GoogleTest executable
# per folder from the listed .cpp files of tests/<folder>; widget tests (QT_APP: one QApplication,
# tests/support/QtEnvironment.cpp) run on the offscreen Qt platform. Under VARNEX_UNITY no case may
# rely on the order the cases run in (a unit registers its files' cases together).
# Start-up under the sanitizers costs about a second, so CTest runs the program in a few
# processes (GoogleTest's own sharding), not one per case: tests <folder>.1of<n> ... <folder>.<n>of<n>,
# or <folder> alone when n is 1, with one shard per five source files. A failing shard's output
# names its failed cases; one case alone: test_<folder> --gtest_filter=Suite.Case.
function(varnex_test folder)
  cmake_parse_arguments(A "QT_APP" "" "DEPS;SOURCES" ${ARGN})
  set(srcs ${A_SOURCES})
  if(A_QT_APP)
    # Widget tests: one QApplication for the program's whole run.
    list(APPEND srcs ${PROJECT_SOURCE_DIR}/tests/support/QtEnvironment.cpp)
  endif()
  set(exe test_${folder})
  add_executable(${exe} ${srcs})
  target_link_libraries(${exe} PRIVATE ${A_DEPS} GTest::gtest GTest::gmock)
  if(NOT A_DEPS MATCHES "gtest_main")
    target_link_libraries(${exe} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${exe} PRIVATE VARNEX_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
  list(LENGTH A_SOURCES count)
  math(EXPR shards "(${count} + 4) / 5")
  set(env "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp")
  foreach(index RANGE 1 ${shards})
    set(name ${folder})
    if(shards GREATER 1)
      set(name ${folder}.${index}of${shards})
    endif()
    math(EXPR shard "${index} - 1")
    add_test(NAME ${name} COMMAND ${exe})
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "${env};GTEST_TOTAL_SHARDS=${shards};GTEST_SHARD_INDEX=${shard}")
  endforeach()
endfunction()

# varnex_string_table(<target> <file>): embeds a deliverable's strings.txt into <target> at build
# time and registers it under the name of the file's folder, so resources/VARNEX/strings.txt is
# read with fw::StringTables::Get("VARNEX"). <target> must link fw_core. For a static library the
# embedded table is linked into every program that links the library.
function(varnex_string_table target file)
  get_filename_component(file ${file} ABSOLUTE)
  get_filename_component(folder ${file} DIRECTORY)
  get_filename_component(name ${folder} NAME)
  if(NOT name MATCHES "^[A-Za-z0-9_.-]+$")
    message(FATAL_ERROR "varnex_string_table: folder name '${name}' is not a plain deliverable name")
  endif()
  set(script ${CMAKE_BINARY_DIR}/varnex_embed_strings.cmake)
  file(CONFIGURE OUTPUT ${script} @ONLY CONTENT [=[
file(READ "${IN}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUT}" "// Generated from ${IN}; do not edit.
#include \"fw/core/StringTable.h\"
namespace {
const unsigned char kBytes[] = {${bytes}0};
const fw::StringTables::Registration kTable(\"${NAME}\",
    std::string_view(reinterpret_cast<const char*>(kBytes), sizeof kBytes - 1));
}
")
]=])
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_strings_${name}.cpp)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${file} -DOUT=${out} -DNAME=${name} -P ${script}
    DEPENDS ${file} ${script}
    COMMENT "Embedding string table ${name}" VERBATIM)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "STATIC_LIBRARY")
    add_library(${target}_strings_${name} OBJECT ${out})
    target_link_libraries(${target}_strings_${name} PRIVATE fw_core)
    target_link_libraries(${target} INTERFACE $<TARGET_OBJECTS:${target}_strings_${name}>)
  else()
    target_sources(${target} PRIVATE ${out})
  endif()
endfunction()

# varnex_symbol_check(<program>): the CTest test duplicate_symbols_<program> fails when a C++
# name is defined in two object files of the program, its static libraries or the shared
# libraries it loads (cmake/CheckDuplicateSymbols.sh). Call it after every target is defined.
function(varnex_symbol_check program)
  set_property(GLOBAL PROPERTY _varnex_seen "")
  set_property(GLOBAL PROPERTY _varnex_objects "")
  _varnex_collect_objects(${program})
  get_property(objects GLOBAL PROPERTY _varnex_objects)
  set(list ${CMAKE_BINARY_DIR}/symbols_${program}.txt)
  file(GENERATE OUTPUT ${list} CONTENT "$<JOIN:${objects},\n>\n")
  add_test(NAME duplicate_symbols_${program}
           COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/CheckDuplicateSymbols.sh ${list})
endfunction()

# Adds the object files of <target> and of every target it links (or takes objects from) to the
# global property _varnex_objects; imported targets (Qt, GoogleTest) are not ours to check.
function(_varnex_collect_objects target)
  get_property(seen GLOBAL PROPERTY _varnex_seen)
  if(target IN_LIST seen OR NOT TARGET ${target})
    return()
  endif()
  set_property(GLOBAL APPEND PROPERTY _varnex_seen ${target})
  get_target_property(imported ${target} IMPORTED)
  get_target_property(type ${target} TYPE)
  if(imported OR type STREQUAL "INTERFACE_LIBRARY")
    return()
  endif()
  set_property(GLOBAL APPEND PROPERTY _varnex_objects "$<TARGET_OBJECTS:${target}>")
  get_target_property(sources ${target} SOURCES)
  get_target_property(links ${target} LINK_LIBRARIES)
  get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
  foreach(item IN LISTS sources links interface)
    if(item MATCHES "^\\$<(TARGET_OBJECTS|LINK_ONLY):([^>]+)>$")
      set(item ${CMAKE_MATCH_2})
    endif()
    _varnex_collect_objects(${item})
  endforeach()
endfunction()
