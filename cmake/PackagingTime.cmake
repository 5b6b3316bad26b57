# Read by cpack before it makes each package, ahead of the install and strip
# steps. Packages made at different times or places come out identical: every
# timestamp (CPack's DEB generator, rpmbuild, strip of a Windows program, our
# staging script) is SOURCE_DATE_EPOCH, the ChangeLog's release date unless
# the caller sets it.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_HELLO_RELEASE_EPOCH})
endif()
