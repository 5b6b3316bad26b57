# SPDX-FileCopyrightText: 2026 The hello-cxx developers
# SPDX-License-Identifier: MIT
# Each release fact is written once, in the latest entry of ChangeLog (Debian's
# changelog format, read as dpkg-parsechangelog reads it), and set here:
# HELLO_PACKAGE_NAME and HELLO_VERSION from its first line, HELLO_MAINTAINER
# and HELLO_RELEASE_EPOCH (the date in seconds since 1970, the timestamp of
# reproducible packages) from its trailer, and HELLO_RPM_CHANGELOG, the whole
# ChangeLog in RPM's format. A line that would give a wrong fact (an unknown
# month, a weekday not the date's) stops configuring, naming the line.
# As a script, prints them for HELLO_CHANGELOG:
#   cmake -D HELLO_CHANGELOG=ChangeLog -P cmake/ReleaseFacts.cmake
if(NOT CMAKE_SCRIPT_MODE_FILE)
  set(HELLO_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/../ChangeLog)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${HELLO_CHANGELOG})
endif()
file(STRINGS ${HELLO_CHANGELOG} lines)
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(weekdays Thu Fri Sat Sun Mon Tue Wed) # 1970-01-01 was a Thursday
macro(hello_refuse why)
  message(FATAL_ERROR "ChangeLog, line ${number}: ${why}:\n  ${line}")
endmacro()
set(HELLO_RPM_CHANGELOG "")
set(number 0)
foreach(line IN LISTS lines)
  math(EXPR number "${number} + 1")
  string(REGEX REPLACE " +$" "" line "${line}")
  if(line MATCHES "^([a-z0-9][a-z0-9.+-]+) \\(([0-9][0-9.]*)\\) ")
    if(NOT DEFINED HELLO_VERSION)
      set(HELLO_PACKAGE_NAME ${CMAKE_MATCH_1})
      set(HELLO_VERSION ${CMAKE_MATCH_2})
    endif()
    set(version ${CMAKE_MATCH_2})
    set(items "")
  elseif(line MATCHES "^  +([*+-] ?|(\\[ ?))(.*)")
    # An item, or a "[ NAME ]" line that heads one contributor's items.
    string(APPEND items "- ${CMAKE_MATCH_2}${CMAKE_MATCH_3}\n")
  elseif(line MATCHES "^  +(.*)")
    string(APPEND items "  ${CMAKE_MATCH_1}\n")
  elseif(line MATCHES "^ -- (.+ <[^>]+>)  ?(([A-Za-z]+), *)?([0-9]+) +([A-Za-z]+) +([0-9]+) +([^ ]+) +([^ ]+)$")
    set(maintainer ${CMAKE_MATCH_1})
    set(weekday "${CMAKE_MATCH_3}")
    set(day ${CMAKE_MATCH_4})
    set(month_name ${CMAKE_MATCH_5})
    set(year ${CMAKE_MATCH_6})
    set(zone ${CMAKE_MATCH_8})
    list(FIND months "${month_name}" month)
    if(month LESS 0)
      hello_refuse("'${month_name}' is not a month's name (Jan ... Dec)")
    elseif(NOT CMAKE_MATCH_7 MATCHES "^([0-9][0-9]):([0-9][0-9]):([0-9][0-9])$")
      hello_refuse("the time is not HH:MM:SS")
    endif()
    math(EXPR seconds "${CMAKE_MATCH_1} * 3600 + ${CMAKE_MATCH_2} * 60 + ${CMAKE_MATCH_3}")
    if(NOT zone MATCHES "^([-+])([0-9][0-9])([0-9][0-9])$")
      hello_refuse("the time zone is not +HHMM or -HHMM")
    endif()
    math(EXPR seconds "${seconds} - (${CMAKE_MATCH_1}(${CMAKE_MATCH_2} * 3600 + ${CMAKE_MATCH_3} * 60))")
    # Days since 1970-01-01 in the proleptic Gregorian calendar (Howard
    # Hinnant's days_from_civil: years that start in March).
    math(EXPR y "${year} - (11 - ${month}) / 10")
    math(EXPR m "(${month} + 10) % 12")
    math(EXPR days "${y} * 365 + ${y} / 4 - ${y} / 100 + ${y} / 400 + (153 * ${m} + 2) / 5 + ${day} - 719469")
    math(EXPR weekday_index "${days} % 7")
    list(GET weekdays ${weekday_index} date_weekday)
    if(NOT weekday STREQUAL "" AND NOT weekday STREQUAL date_weekday)
      hello_refuse("${day} ${month_name} ${year} is a ${date_weekday}, not a ${weekday}")
    endif()
    # RPM's heading: "* Tue Dec 08 2026 NAME - VERSION-1".
    string(REGEX REPLACE "^([0-9])$" "0\\1" day "${day}")
    string(APPEND HELLO_RPM_CHANGELOG "* ${date_weekday} ${month_name} ${day} ${year} ${maintainer} - ${version}-1\n${items}\n")
    if(NOT DEFINED HELLO_MAINTAINER)
      set(HELLO_MAINTAINER ${maintainer})
      math(EXPR HELLO_RELEASE_EPOCH "${days} * 86400 + ${seconds}")
    endif()
  elseif(NOT line STREQUAL "")
    hello_refuse("not a line of Debian's changelog format")
  endif()
endforeach()
if(NOT DEFINED HELLO_VERSION OR NOT DEFINED HELLO_MAINTAINER)
  message(FATAL_ERROR "ChangeLog: the latest entry needs a 'NAME (VERSION) ...' first line and a "
    "' -- MAINTAINER <EMAIL>  DATE' trailer")
endif()
if(CMAKE_SCRIPT_MODE_FILE)
  foreach(fact IN ITEMS HELLO_PACKAGE_NAME HELLO_VERSION HELLO_MAINTAINER HELLO_RELEASE_EPOCH HELLO_RPM_CHANGELOG)
    message("${fact}=${${fact}}")
  endforeach()
endif()
