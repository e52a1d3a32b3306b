# The release this build belongs to, from git at configure time: the
# package version 2.20.<number of commits>, the commit and its date (for
# the AppStream release and the Debian changelog). Outside a git checkout
# of this tree the build number is 0 and the date is today's.
find_package(Git QUIET)

# Whether the source tree is a git checkout of its own: a source tarball
# unpacked inside some other checkout must not take that checkout's history.
set(tub_git_own_tree FALSE)
if(GIT_FOUND)
  execute_process(COMMAND "${GIT_EXECUTABLE}" rev-parse --show-toplevel
                  WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
                  OUTPUT_VARIABLE tub_git_top RESULT_VARIABLE tub_git_status
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(tub_git_status EQUAL 0)
    file(REAL_PATH "${tub_git_top}" tub_git_top)
    file(REAL_PATH "${PROJECT_SOURCE_DIR}" tub_source_top)
    if(tub_git_top STREQUAL tub_source_top)
      set(tub_git_own_tree TRUE)
    endif()
  endif()
endif()

# tub_git(VARIABLE ARGS...): the output of a git command in the source tree,
# in UTC and English whatever the caller's settings; empty when it fails or
# the tree is no checkout of its own.
function(tub_git variable)
  set(output "")
  if(tub_git_own_tree)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env TZ=UTC LC_ALL=C "${GIT_EXECUTABLE}" ${ARGN}
                    WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
                    OUTPUT_VARIABLE output OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE status ERROR_QUIET)
    if(NOT status EQUAL 0)
      set(output "")
    endif()
  endif()
  set(${variable} "${output}" PARENT_SCOPE)
endfunction()

set(TUB_BUILD_NUMBER 0)
set(TUB_COMMIT "unknown")
string(TIMESTAMP TUB_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP TUB_RELEASE_TIME_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
tub_git(count rev-list --count HEAD)
if(count MATCHES "^[0-9]+$")
  set(TUB_BUILD_NUMBER ${count})
  tub_git(TUB_COMMIT rev-parse --short HEAD)
  # The commit's own date, so that building it again gives the same files.
  tub_git(TUB_RELEASE_DATE log -1 --format=%cd --date=format-local:%Y-%m-%d)
  tub_git(TUB_RELEASE_TIME_RFC2822 log -1 --format=%cd
          "--date=format-local:%a, %d %b %Y %H:%M:%S +0000")
  # A new commit changes the number: configure again when HEAD moves.
  tub_git(git_dir rev-parse --absolute-git-dir)
  if(git_dir AND EXISTS "${git_dir}/logs/HEAD")
    set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY
                 CMAKE_CONFIGURE_DEPENDS "${git_dir}/logs/HEAD")
  endif()
endif()
set(TUB_PACKAGE_VERSION "${PROJECT_VERSION}.${TUB_BUILD_NUMBER}")
