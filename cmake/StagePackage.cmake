# Runs inside CPack on its staging tree. Compresses manual pages and the
# changelog the way Debian policy asks, without names or times in the gzip
# header, then gives every file the package's timestamp, so that the package
# is the same wherever and whenever it is made.
file(GLOB_RECURSE docs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
list(FILTER docs INCLUDE REGEX "/man/man[1-9]/[^/]+\\.[1-9]$|/doc/[^/]+/changelog$")
foreach(doc IN LISTS docs)
  execute_process(COMMAND gzip -9nf "${doc}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()

execute_process(
  COMMAND find "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" -exec touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" {} +
  COMMAND_ERROR_IS_FATAL ANY)
