# The platform-specific headers stay in src/base/platform, checked at
# configure time: any other file of src/ that includes one of them (a POSIX
# or Windows system header, or the C signal header) fails the configure step.
# src/panel, the virtual panel on a pseudo-terminal, is a POSIX tool and is
# excepted.
#
#   qv_check_platform_headers(<src dir>)
set(QV_PLATFORM_HEADER_REGEX
  "#[ \t]*include[ \t]*<(unistd\\.h|fcntl\\.h|sys/[^>]*|termios\\.h|pty\\.h|poll\\.h|pwd\\.h|signal\\.h|csignal|iconv\\.h|windows\\.h|io\\.h)>")

function(qv_check_platform_headers srcdir)
  # A new file makes the configure step run again (not in script mode).
  set(again CONFIGURE_DEPENDS)
  if(CMAKE_SCRIPT_MODE_FILE)
    set(again "")
  endif()
  file(GLOB_RECURSE sources ${again} ${srcdir}/*.h ${srcdir}/*.hpp ${srcdir}/*.cpp
    ${srcdir}/*.c)
  set(problems "")
  foreach(source ${sources})
    file(RELATIVE_PATH rel ${srcdir} ${source})
    if(rel MATCHES "^(base/platform|panel)/")
      continue()
    endif()
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*<")
    foreach(line ${includes})
      string(TOLOWER "${line}" lower)
      if(lower MATCHES "${QV_PLATFORM_HEADER_REGEX}")
        list(APPEND problems "${source}: ${line} (platform headers belong in src/base/platform)")
      endif()
    endforeach()
  endforeach()
  if(problems)
    string(REPLACE ";" "\n  " text "${problems}")
    message(FATAL_ERROR "Platform header outside src/base/platform:\n  ${text}")
  endif()
endfunction()
