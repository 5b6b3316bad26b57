# Runs inside CPack on the staging tree of every package, before the package
# is made: the tree then holds what the package will, as the package should
# hold it whoever builds it, wherever, under any umask.

# CPack 3.25 lists the staged files with a glob of this folder's path, so a
# '[' in it reads as a pattern: CPack would pack nothing, or leave the
# dependencies out, and still report success.
if(CPACK_TEMPORARY_DIRECTORY MATCHES "\\[")
  message(FATAL_ERROR "hello: CPack cannot package under a path with '[' in it: "
    "${CPACK_TEMPORARY_DIRECTORY}\nGive it another output folder: cpack -B FOLDER ...")
endif()
execute_process(COMMAND find "${CPACK_TEMPORARY_DIRECTORY}" -type f -print -quit
  OUTPUT_VARIABLE staged_file COMMAND_ERROR_IS_FATAL ANY)
if(staged_file STREQUAL "")
  message(FATAL_ERROR "hello: nothing was staged in ${CPACK_TEMPORARY_DIRECTORY}, "
    "so the package would be empty")
endif()

# Debian wants manual pages and changelogs compressed; the plain install keeps
# them as they are. No name or time in the gzip header.
file(GLOB_RECURSE docs "${CPACK_TEMPORARY_DIRECTORY}/*")
list(FILTER docs INCLUDE REGEX "/man/man[1-9]/[^/]+\\.[1-9]$|/doc/[^/]+/changelog$")
foreach(doc IN LISTS docs)
  execute_process(COMMAND gzip -9nf "${doc}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# Every file takes the package's timestamp (see prepare-package.cmake), and
# modes that depend neither on the packager's umask nor on the checkout's:
# folders and programs rwxr-xr-x, every other file rw-r--r--.
execute_process(
  COMMAND find "${CPACK_TEMPORARY_DIRECTORY}" -exec touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" {} +
  COMMAND chmod -R u=rwX,go=rX "${CPACK_TEMPORARY_DIRECTORY}"
  COMMAND_ERROR_IS_FATAL ANY)
