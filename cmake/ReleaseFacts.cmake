# Each release fact is written once, in the latest entry of ChangeLog (Debian's
# changelog format): the package name and version on its first line, the
# maintainer and the release date on its trailer line. Every package format,
# the manual page and the install read them from the variables set here:
#
#   HELLO_PACKAGE_NAME, HELLO_VERSION, HELLO_MAINTAINER
#   HELLO_RELEASE_EPOCH     the release date in seconds since 1970, the default
#                           timestamp of reproducible packages
#   HELLO_RPM_CHANGELOG     the whole ChangeLog in RPM's %changelog format

set(changelog_file ${CMAKE_CURRENT_LIST_DIR}/../ChangeLog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog_file})
file(STRINGS ${changelog_file} changelog_lines)

set(heading_regex [[^([a-z0-9][a-z0-9.+-]+) \(([0-9][0-9.]*)\) ]])
set(trailer_regex
  [[^ -- (.+ <[^>]+>)  ([A-Z][a-z][a-z]), ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9]+) ([0-9:]+) ([-+])([0-9][0-9])([0-9][0-9])$]])
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)

# Days from 1970-01-01 to YEAR-MONTH-DAY of the proleptic Gregorian calendar
# (Howard Hinnant's days_from_civil), for years from 1970 on.
function(hello_days_since_epoch year month day result)
  if(month LESS_EQUAL 2)
    math(EXPR year "${year} - 1")
    math(EXPR month "${month} + 9")
  else()
    math(EXPR month "${month} - 3")
  endif()
  math(EXPR era "${year} / 400")
  math(EXPR year_of_era "${year} - ${era} * 400")
  math(EXPR day_of_year "(153 * ${month} + 2) / 5 + ${day} - 1")
  math(EXPR day_of_era
    "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
  math(EXPR days "${era} * 146097 + ${day_of_era} - 719468")
  set(${result} ${days} PARENT_SCOPE)
endfunction()

set(HELLO_RPM_CHANGELOG "")
foreach(line IN LISTS changelog_lines)
  if(line MATCHES "${heading_regex}")
    if(NOT DEFINED HELLO_VERSION)
      set(HELLO_PACKAGE_NAME ${CMAKE_MATCH_1})
      set(HELLO_VERSION ${CMAKE_MATCH_2})
    endif()
    set(entry_version ${CMAKE_MATCH_2})
    set(entry_items "")
  elseif(line MATCHES "^  \\* (.*)")
    string(APPEND entry_items "- ${CMAKE_MATCH_1}\n")
  elseif(line MATCHES "^    (.*)")
    string(APPEND entry_items "  ${CMAKE_MATCH_1}\n")
  elseif(line MATCHES "${trailer_regex}")
    # RPM wants the items after a heading such as "* Tue Dec 08 2026 NAME - VERSION-1".
    string(APPEND HELLO_RPM_CHANGELOG
      "* ${CMAKE_MATCH_2} ${CMAKE_MATCH_4} ${CMAKE_MATCH_3} ${CMAKE_MATCH_5} "
      "${CMAKE_MATCH_1} - ${entry_version}-1\n${entry_items}\n")
    if(NOT DEFINED HELLO_MAINTAINER)
      set(HELLO_MAINTAINER ${CMAKE_MATCH_1})
      list(FIND months ${CMAKE_MATCH_4} month)
      math(EXPR month "${month} + 1")
      hello_days_since_epoch(${CMAKE_MATCH_5} ${month} ${CMAKE_MATCH_3} days)
      math(EXPR utc_offset "${CMAKE_MATCH_8} * 3600 + ${CMAKE_MATCH_9} * 60")
      if(CMAKE_MATCH_7 STREQUAL "-")
        math(EXPR utc_offset "0 - ${utc_offset}")
      endif()
      string(REPLACE ":" ";" time "${CMAKE_MATCH_6}")
      list(GET time 0 hours)
      list(GET time 1 minutes)
      list(GET time 2 seconds)
      math(EXPR HELLO_RELEASE_EPOCH
        "${days} * 86400 + ${hours} * 3600 + ${minutes} * 60 + ${seconds} - ${utc_offset}")
    endif()
  elseif(NOT line STREQUAL "")
    message(FATAL_ERROR "ChangeLog: not in Debian's changelog format: '${line}'")
  endif()
endforeach()

if(NOT DEFINED HELLO_VERSION OR NOT DEFINED HELLO_MAINTAINER)
  message(FATAL_ERROR "ChangeLog: the latest entry needs a 'NAME (VERSION) ...' "
    "first line and a ' -- MAINTAINER <EMAIL>  DATE' trailer")
endif()
