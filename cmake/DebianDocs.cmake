# Run by CPack on the staged files, before it packs them: what a Debian
# package carries beyond the install rules. The Debian changelog is made
# here, at package time, for the version being packed; it and the manual
# page are compressed as Debian policy asks (gzip -9n: no name, no time).
set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")

# Stripped as Debian's own tools strip a program: without the compiler's
# notes either.
execute_process(COMMAND "${CPACK_TUB_STRIP}" --remove-section=.comment --remove-section=.note
                        "${root}/bin/tubalyzer" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "strip failed on ${root}/bin/tubalyzer")
endif()

file(MAKE_DIRECTORY "${root}/share/lintian/overrides")
file(COPY_FILE "${CPACK_TUB_SOURCE_DIR}/packaging/lintian-overrides"
     "${root}/share/lintian/overrides/tubalyzer")

set(changelog "${root}/${CPACK_TUB_DOC_DIR}/changelog")
file(WRITE "${changelog}"
     "tubalyzer (${CPACK_PACKAGE_VERSION}) unstable; urgency=medium\n"
     "\n"
     "  * Tubalyzer 2.20, built from commit ${CPACK_TUB_COMMIT}.\n"
     "\n"
     " -- ${CPACK_DEBIAN_PACKAGE_MAINTAINER}  ${CPACK_TUB_CHANGELOG_TIME}\n")
foreach(file IN ITEMS "${changelog}" "${root}/${CPACK_TUB_MAN_DIR}/man1/tubalyzer.1")
  execute_process(COMMAND gzip -9nf "${file}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip could not compress ${file}")
  endif()
endforeach()
