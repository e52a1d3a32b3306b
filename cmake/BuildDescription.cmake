# The build that --version names: `git describe --always --dirty` of this
# source tree when it is configured, "unknown" outside a git checkout. A
# packager may set TUB_BUILD_DESCRIPTION instead.
set(TUB_BUILD_DESCRIPTION "" CACHE STRING
    "Build named by --version (empty: git describe at configure time)")
set(tub_build_description "${TUB_BUILD_DESCRIPTION}")
if(tub_build_description STREQUAL "")
  set(tub_build_description "unknown")
  find_package(Git QUIET)
  if(GIT_FOUND)
    # Only this tree's own history: a source tarball unpacked inside some
    # other checkout must not take that checkout's name.
    execute_process(COMMAND "${GIT_EXECUTABLE}" rev-parse --show-toplevel
                    WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
                    OUTPUT_VARIABLE tub_git_top RESULT_VARIABLE tub_git_status
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(tub_git_status EQUAL 0)
      file(REAL_PATH "${tub_git_top}" tub_git_top)
      file(REAL_PATH "${PROJECT_SOURCE_DIR}" tub_source_top)
    endif()
    if(tub_git_status EQUAL 0 AND tub_git_top STREQUAL tub_source_top)
      execute_process(COMMAND "${GIT_EXECUTABLE}" describe --always --dirty
                      WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
                      OUTPUT_VARIABLE tub_git_describe RESULT_VARIABLE tub_git_status
                      OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
      if(tub_git_status EQUAL 0 AND NOT tub_git_describe STREQUAL "")
        set(tub_build_description "${tub_git_describe}")
      endif()
    endif()
  endif()
endif()
