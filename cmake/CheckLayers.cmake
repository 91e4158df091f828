# Checks the layering of the source tree: every #include "<folder>/<file>" in a source folder must
# name the folder itself or one of the folders the table below lets it use. The table mirrors the
# link dependencies of the folder's CMake target, so a header of a layer above, or of a folder the
# target does not link, is refused. Run by CTest: cmake -DROOT=<source dir> -P CheckLayers.cmake
#
# Layers, lowest first:  fw/core  <  records  <  model  <  shopdb  <  partprog  <  machmult
#   <  shopdisk  <  shell  <  machlink, shell/bus;  each <folder>/ui may also use fw/qt and the ui folders of the layers
#   it links. Separate libraries (convert, baselib, lenbox, automult, navigator) use fw only.

set(LAYER_fw/core "")
set(LAYER_fw/qt "fw/core")
set(LAYER_convert/except "")
set(LAYER_convert "convert/except;fw/core")
set(LAYER_baselib "convert;convert/except;fw/core")
set(LAYER_records "fw/core")
set(LAYER_model "fw/core;records")
set(LAYER_model/ui "fw/core;fw/qt;records;model")
set(LAYER_shopdb "fw/core;records;model")
set(LAYER_lenbox "fw/core")
set(LAYER_lenbox/ui "fw/core;fw/qt;lenbox")
set(LAYER_automult "fw/core")
set(LAYER_automult/ui "fw/core;fw/qt;automult")
set(LAYER_navigator "fw/core")
set(LAYER_navigator/ui "fw/core;fw/qt;navigator")
set(LAYER_partprog "fw/core;records;model;shopdb")
set(LAYER_partprog/ui "fw/core;fw/qt;records;model;model/ui;shopdb;partprog")
set(LAYER_machmult "fw/core;records;model;shopdb;partprog;automult")
set(LAYER_machmult/ui "fw/core;fw/qt;records;model;model/ui;shopdb;partprog;partprog/ui;automult;automult/ui;machmult")
set(LAYER_shopdisk "fw/core;records;model;shopdb;partprog;automult;machmult")
set(LAYER_shell "fw/core;records;model;shopdb;partprog;automult;machmult;shopdisk")
set(LAYER_shell/bus "${LAYER_shell};fw/qt;shell")
set(LAYER_machlink "${LAYER_shell};shell")
set(LAYER_machlink/ui "fw/core;fw/qt;machlink")
set(LAYER_machside "fw/core;fw/qt;shell;machlink;machlink/ui")
set(SHELL_UI "fw/core;fw/qt;records;model;model/ui;shopdb;partprog;partprog/ui;machmult;machmult/ui"
    "automult;automult/ui;shopdisk;lenbox;lenbox/ui;navigator;navigator/ui;shell;machlink;machlink/ui")
set(LAYER_shell/ui "${SHELL_UI}")
set(LAYER_shell/app "${SHELL_UI};shell/ui;shell/bus")

cmake_minimum_required(VERSION 3.25)

if(NOT ROOT)
  message(FATAL_ERROR "CheckLayers: pass -DROOT=<source dir>")
endif()

set(folders fw/core fw/qt convert/except convert baselib records model model/ui shopdb lenbox lenbox/ui
    automult automult/ui navigator navigator/ui partprog partprog/ui machmult machmult/ui shopdisk
    shell shell/bus shell/ui shell/app machlink machlink/ui machside)
set(known_roots fw convert baselib records model shopdb lenbox automult navigator partprog machmult
    shopdisk shell machlink machside)
set(faults "")

# A source folder the table does not know is a fault too: a new folder must take its place first.
set(all_sources "")
foreach(top IN LISTS known_roots)
  file(GLOB_RECURSE found RELATIVE ${ROOT} ${ROOT}/${top}/*.h ${ROOT}/${top}/*.cpp)
  list(APPEND all_sources ${found})
endforeach()
foreach(src IN LISTS all_sources)
  get_filename_component(dir ${src} DIRECTORY)
  if(NOT dir IN_LIST folders)
    list(APPEND faults "${src}: folder '${dir}' has no place in the layer table (cmake/CheckLayers.cmake)")
  endif()
endforeach()

foreach(folder IN LISTS folders)
  file(GLOB sources ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
  set(allowed ${folder} ${LAYER_${folder}})
  foreach(src IN LISTS sources)
    file(STRINGS ${src} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS includes)
      file(RELATIVE_PATH rel ${ROOT} ${src})
      if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)/[^/\"]+\"")
        set(target ${CMAKE_MATCH_1})
        if(NOT target IN_LIST allowed)
          list(APPEND faults "${rel}: includes a header of '${target}', above its layer or not linked")
        endif()
      elseif(line MATCHES "#[ \t]*include[ \t]*<Q" AND NOT folder MATCHES "(^|/)(ui|qt|app|bus)$" AND NOT folder STREQUAL "machside")
        list(APPEND faults "${rel}: includes a Qt header outside the Qt folders (ui, qt, app, bus)")
      endif()
    endforeach()
  endforeach()
endforeach()

# Every source file is listed by the nearest build file above it: a file the build doesn't list
# would silently be left out of the program or its tests.
file(GLOB_RECURSE test_sources RELATIVE ${ROOT} ${ROOT}/tests/*.cpp)
list(FILTER test_sources EXCLUDE REGEX "^tests/support/")
foreach(src IN LISTS all_sources test_sources)
  if(NOT src MATCHES "\\.cpp$")
    continue()
  endif()
  get_filename_component(name ${src} NAME)
  get_filename_component(dir ${src} DIRECTORY)
  while(NOT EXISTS ${ROOT}/${dir}/CMakeLists.txt AND dir MATCHES "/")
    get_filename_component(dir ${dir} DIRECTORY)
  endwhile()
  file(READ ${ROOT}/${dir}/CMakeLists.txt build_file)
  string(REPLACE "." "\\." pattern ${name})
  if(NOT build_file MATCHES "[ \t\n/(]${pattern}[ \t\n)]")
    list(APPEND faults "${src}: not listed in ${dir}/CMakeLists.txt")
  endif()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Layering faults:\n  ${text}")
endif()
message(STATUS "Layering: every include keeps to its layer, every source file is listed")
