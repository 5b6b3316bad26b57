# Runs inside CPack on its staging tree: compresses manual pages and the
# changelog the way Debian policy asks, without names or times in the gzip
# header, so that the package stays reproducible.
file(GLOB_RECURSE docs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
list(FILTER docs INCLUDE REGEX "/man/man[1-9]/[^/]+\\.[1-9]$|/doc/[^/]+/changelog$")
foreach(doc IN LISTS docs)
  execute_process(COMMAND gzip -9nf "${doc}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
