# Read by cpack before it makes each package: every timestamp in a package is
# SOURCE_DATE_EPOCH, which defaults to the release date of the ChangeLog.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_HELLO_RELEASE_EPOCH})
endif()
