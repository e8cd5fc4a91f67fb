# Warnings for every target of the build, set in one place.
#
# Each compiled target of the tree gets -Wall -Wextra -Wpedantic (and a few
# more that catch slips: a missing override, a shadowed name in a lambda's
# capture, an implicit fallthrough). Qt, minizip and Google Benchmark come in
# through imported targets, whose headers CMake passes as system headers, so
# their own warnings never reach us and nothing needs silencing with -Wno-.
#
# QV_WERROR turns every warning into an error; CI builds with it on.
option(QV_WERROR "Treat compiler warnings as errors" OFF)

set(QV_WARNING_FLAGS -Wall -Wextra -Wpedantic -Wimplicit-fallthrough)
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  list(APPEND QV_WARNING_FLAGS -Winconsistent-missing-override -Wsuggest-override)
else()
  list(APPEND QV_WARNING_FLAGS -Wsuggest-override)
endif()
if(QV_WERROR)
  list(APPEND QV_WARNING_FLAGS -Werror)
endif()

# Sets the warning flags on every compiled target defined in DIR and the
# folders below it; call it once, at the end of the top-level list file.
function(qv_apply_warnings dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
      target_compile_options(${target} PRIVATE
        $<$<COMPILE_LANGUAGE:CXX>:${QV_WARNING_FLAGS}>
        $<$<COMPILE_LANGUAGE:C>:-Wall -Wextra $<$<BOOL:${QV_WERROR}>:-Werror>>)
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    qv_apply_warnings(${sub})
  endforeach()
endfunction()
