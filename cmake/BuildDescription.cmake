# The build that --version names: `git describe --always --dirty` of this
# source tree when it is configured, "unknown" outside a git checkout of its
# own (tub_git, cmake/Release.cmake). A packager may set
# TUB_BUILD_DESCRIPTION instead.
set(TUB_BUILD_DESCRIPTION "" CACHE STRING
    "Build named by --version (empty: git describe at configure time)")
set(tub_build_description "${TUB_BUILD_DESCRIPTION}")
if(tub_build_description STREQUAL "")
  tub_git(tub_build_description describe --always --dirty)
  if(tub_build_description STREQUAL "")
    set(tub_build_description "unknown")
  endif()
endif()
