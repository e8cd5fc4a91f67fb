# The build's check of the editor's stack: a tree that keeps to it passes,
# an include across the stack (or around app into the core) is refused.
# Run as: cmake -DSOURCE=<repo> -DWORK=<scratch dir> -P check_editor_layers.cmake
cmake_minimum_required(VERSION 3.22)
include(${CMAKE_CURRENT_LIST_DIR}/expect_refused.cmake)
include(${SOURCE}/tools/check-layers.cmake)

set(rules "core:base,project,screen,app" "widgets:" "document:widgets"
  "screen:widgets,document" "project:widgets,document" "transfer:widgets,document"
  "app:widgets,document,screen,project,transfer")

function(make_tree dir extraFile extraLine)
  file(REMOVE_RECURSE ${dir})
  foreach(folder widgets document screen project transfer app)
    file(MAKE_DIRECTORY ${dir}/${folder})
  endforeach()
  file(WRITE ${dir}/document/Doc.h "#include \"ui/widgets/W.h\"\n#include \"app/TessanApp.h\"\n")
  file(WRITE ${dir}/app/Main.cpp "#include \"ui/screen/View.h\"\n#include \"ui/transfer/T.h\"\n")
  file(WRITE ${dir}/screen/View.h "#include \"ui/document/Doc.h\"\n#include \"Local.h\"\n")
  if(extraFile)
    file(APPEND ${dir}/${extraFile} "${extraLine}\n")
  endif()
endfunction()

if(MODE STREQUAL "one")
  qv_check_editor_layers(${TREE} ${rules})
  return()
endif()

make_tree(${WORK}/good "" "")
qv_check_editor_layers(${WORK}/good ${rules})

qv_expect_each_refused(${CMAKE_CURRENT_LIST_FILE} ${WORK} "Editor layering broken"
  "screen/View.h|#include \"ui/project/Dlg.h\""
  "document/Doc.h|#include \"ui/app/MainWindow.h\""
  "transfer/T.cpp|#include \"transfer/Transfer.h\""
  "project/P.cpp|#include \"compiler/Compiler.h\"")
message(STATUS "editor layering check refuses includes across the stack")
