# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Each release fact is written once, in the latest entry of ChangeLog (Debian's
# changelog format, as dpkg-parsechangelog reads it): the package name and
# version on its first line, the maintainer and the release date on its
# trailer line. Every package format, the manual page and the install read
# them from the variables set here:
#
#   HELLO_PACKAGE_NAME, HELLO_VERSION, HELLO_MAINTAINER
#   HELLO_RELEASE_EPOCH     the release date in seconds since 1970, the default
#                           timestamp of reproducible packages
#   HELLO_RPM_CHANGELOG     the whole ChangeLog in RPM's %changelog format
#
# A line that would give a wrong fact (an unknown month, a weekday that is not
# the date's) stops configuring, naming the line.

#
# As a script, prints them for the ChangeLog named by HELLO_CHANGELOG:
#   cmake -D HELLO_CHANGELOG=ChangeLog -P cmake/ReleaseFacts.cmake

if(CMAKE_SCRIPT_MODE_FILE)
  set(changelog_file ${HELLO_CHANGELOG})
else()
  set(changelog_file ${CMAKE_CURRENT_LIST_DIR}/../ChangeLog)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog_file})
endif()
file(STRINGS ${changelog_file} changelog_lines)

set(heading_regex [[^([a-z0-9][a-z0-9.+-]+) \(([0-9][0-9.]*)\) ]])
# " -- NAME <EMAIL>  [WEEKDAY,] DAY MONTH YEAR HH:MM:SS +ZONE", one or two
# spaces before the date, any spaces between its parts.
set(trailer_regex [[^ -- (.+ <[^>]+>)  ?([A-Za-z]+, *)?([0-9]+) +([A-Za-z]+) +([0-9]+) +([0-9:]+) +([-+][0-9]+) *$]])
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(weekdays Sun Mon Tue Wed Thu Fri Sat)

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

function(hello_changelog_error number line why)
  message(FATAL_ERROR "ChangeLog, line ${number}: ${why}:\n  ${line}")
endfunction()

set(HELLO_RPM_CHANGELOG "")
set(number 0)
foreach(line IN LISTS changelog_lines)
  math(EXPR number "${number} + 1")
  string(REGEX REPLACE " +$" "" line "${line}")
  if(line MATCHES "${heading_regex}")
    if(NOT DEFINED HELLO_VERSION)
      set(HELLO_PACKAGE_NAME ${CMAKE_MATCH_1})
      set(HELLO_VERSION ${CMAKE_MATCH_2})
    endif()
    set(entry_version ${CMAKE_MATCH_2})
    set(entry_items "")
  elseif(line MATCHES "^  +([*+-]|\\[) ?(.*)")
    # An item, or a "[ NAME ]" line that heads the items of one contributor.
    if(CMAKE_MATCH_1 STREQUAL "[")
      string(APPEND entry_items "- [ ${CMAKE_MATCH_2}\n")
    else()
      string(APPEND entry_items "- ${CMAKE_MATCH_2}\n")
    endif()
  elseif(line MATCHES "^  +(.*)")
    string(APPEND entry_items "  ${CMAKE_MATCH_1}\n")
  elseif(line MATCHES "${trailer_regex}")
    set(maintainer ${CMAKE_MATCH_1})
    set(weekday "${CMAKE_MATCH_2}")
    set(day ${CMAKE_MATCH_3})
    set(month_name ${CMAKE_MATCH_4})
    set(year ${CMAKE_MATCH_5})
    set(time ${CMAKE_MATCH_6})
    set(zone ${CMAKE_MATCH_7})
    string(REGEX REPLACE ", *$" "" weekday "${weekday}")

    list(FIND months "${month_name}" month)
    if(month LESS 0)
      hello_changelog_error(${number} "${line}" "'${month_name}' is not a month's name (Jan ... Dec)")
    endif()
    math(EXPR month "${month} + 1")
    hello_days_since_epoch(${year} ${month} ${day} days)
    math(EXPR weekday_index "(${days} + 4) % 7") # 1970-01-01 was a Thursday
    list(GET weekdays ${weekday_index} date_weekday)
    if(NOT weekday STREQUAL "" AND NOT weekday STREQUAL date_weekday)
      hello_changelog_error(${number} "${line}" "${day} ${month_name} ${year} is a ${date_weekday}, not a ${weekday}")
    endif()
    if(NOT time MATCHES "^([0-9][0-9]):([0-9][0-9]):([0-9][0-9])$")
      hello_changelog_error(${number} "${line}" "the time is not HH:MM:SS")
    endif()
    set(hours ${CMAKE_MATCH_1})
    set(minutes ${CMAKE_MATCH_2})
    set(seconds ${CMAKE_MATCH_3})
    if(NOT zone MATCHES "^([-+])([0-9][0-9])([0-9][0-9])$")
      hello_changelog_error(${number} "${line}" "the time zone is not +HHMM or -HHMM")
    endif()
    math(EXPR zone_seconds "${CMAKE_MATCH_1}(${CMAKE_MATCH_2} * 3600 + ${CMAKE_MATCH_3} * 60)")

    # RPM wants the items after a heading such as "* Tue Dec 08 2026 NAME - VERSION-1".
    string(LENGTH "${day}" day_digits)
    if(day_digits EQUAL 1)
      set(day 0${day})
    endif()
    string(APPEND HELLO_RPM_CHANGELOG "* ${date_weekday} ${month_name} ${day} ${year} "
      "${maintainer} - ${entry_version}-1\n${entry_items}\n")
    if(NOT DEFINED HELLO_MAINTAINER)
      set(HELLO_MAINTAINER ${maintainer})
      math(EXPR HELLO_RELEASE_EPOCH
        "${days} * 86400 + ${hours} * 3600 + ${minutes} * 60 + ${seconds} - ${zone_seconds}")
    endif()
  elseif(NOT line STREQUAL "")
    hello_changelog_error(${number} "${line}" "not a line of Debian's changelog format")
  endif()
endforeach()

if(NOT DEFINED HELLO_VERSION OR NOT DEFINED HELLO_MAINTAINER)
  message(FATAL_ERROR "ChangeLog: the latest entry needs a 'NAME (VERSION) ...' "
    "first line and a ' -- MAINTAINER <EMAIL>  DATE' trailer")
endif()

if(CMAKE_SCRIPT_MODE_FILE)
  foreach(fact IN ITEMS HELLO_PACKAGE_NAME HELLO_VERSION HELLO_MAINTAINER HELLO_RELEASE_EPOCH
      HELLO_RPM_CHANGELOG)
    message("${fact}=${${fact}}")
  endforeach()
endif()
