# The build's check of the platform headers: the real tree passes; a tree
# with one of those headers outside base/platform (and outside panel) is
# refused, whichever the header.
# Run as: cmake -DSOURCE=<repo> -DWORK=<scratch dir> -P check_platform_headers.cmake
cmake_minimum_required(VERSION 3.22)
include(${CMAKE_CURRENT_LIST_DIR}/expect_refused.cmake)
include(${SOURCE}/tools/check-platform-headers.cmake)

if(MODE STREQUAL "one")
  qv_check_platform_headers(${TREE})
  return()
endif()

qv_check_platform_headers(${SOURCE}/src)

function(make_tree dir extraFile extraLine)
  file(REMOVE_RECURSE ${dir})
  file(WRITE ${dir}/app/Storage.cpp "#include <QFile>\n#include <cstdio>\n#include \"base/platform/FileReplace.h\"\n")
  file(WRITE ${dir}/base/platform/FileReplacePosix.cpp "#include <fcntl.h>\n#include <sys/stat.h>\n#include <unistd.h>\n")
  file(WRITE ${dir}/base/platform/FileReplaceWindows.cpp "#include <windows.h>\n#include <io.h>\n")
  file(WRITE ${dir}/panel/PanelPty.cpp "#include <pty.h>\n#include <termios.h>\n#include <poll.h>\n")
  if(extraFile)
    file(APPEND ${dir}/${extraFile} "${extraLine}\n")
  endif()
endfunction()

make_tree(${WORK}/good "" "")
qv_check_platform_headers(${WORK}/good)

qv_expect_each_refused(${CMAKE_CURRENT_LIST_FILE} ${WORK} "Platform header outside"
  "app/Storage.cpp|#include <unistd.h>" "cli/main.cpp|#include <sys/stat.h>"
  "ui/app/Signals.cpp|#  include <csignal>" "base/Codec.cpp|#include <iconv.h>"
  "base/Codec.h|#include <Windows.h>" "app/A.cpp|#include <io.h>"
  "app/B.cpp|#include <fcntl.h>" "app/C.cpp|#include <termios.h>"
  "app/D.cpp|#include <pty.h>" "app/E.cpp|#include <poll.h>" "app/F.cpp|#include <pwd.h>"
  "app/G.cpp|#include <signal.h>" "base/plat/H.cpp|#include <sys/socket.h>")
message(STATUS "platform header check refuses system headers outside base/platform")
