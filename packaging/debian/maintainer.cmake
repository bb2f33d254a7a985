# Who makes the package, taken as Debian's own tools take it: the name from
# DEBFULLNAME and the address from DEBEMAIL (which may also read "Name <address>"),
# else from EMAIL. Read at every configure, so the package command sees what is
# set when it runs. Sets SETSDRILL_MAINTAINER ("Name <address>") and
# SETSDRILL_MAINTAINER_GIVEN (whether an address was given).
#
# With no address given none is made up: the package names the account that
# built it, at its mailbox on the building machine (user@localhost), which
# Debian's checker reports as no real maintainer.

set(_name "$ENV{DEBFULLNAME}")
set(_mail "$ENV{DEBEMAIL}")
if(_mail STREQUAL "")
  set(_mail "$ENV{EMAIL}")
endif()
if(_mail MATCHES "^(.*[^ ]) *<([^<>]+)>$")
  if(_name STREQUAL "")
    set(_name "${CMAKE_MATCH_1}")
  endif()
  set(_mail "${CMAKE_MATCH_2}")
endif()
string(STRIP "${_name}" _name)
string(STRIP "${_mail}" _mail)

execute_process(COMMAND id -un OUTPUT_VARIABLE _user OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(_user STREQUAL "")
  set(_user "$ENV{USER}")
endif()
if(_name STREQUAL "" AND NOT _user STREQUAL "")
  # The account's full name, the first field of its comment in the password file.
  execute_process(COMMAND getent passwd "${_user}" OUTPUT_VARIABLE _entry
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  string(REPLACE ":" ";" _fields "${_entry}")
  list(LENGTH _fields _count)
  if(_count GREATER 4)
    list(GET _fields 4 _gecos)
    string(REGEX REPLACE ",.*" "" _gecos "${_gecos}")
    string(STRIP "${_gecos}" _name)
  endif()
  if(_name STREQUAL "")
    set(_name "${_user}")
  endif()
endif()

if(_mail STREQUAL "")
  set(SETSDRILL_MAINTAINER_GIVEN OFF)
  set(_mail "${_user}@localhost")
  message(STATUS "Package maintainer: DEBEMAIL is not set, so the package names ${_mail}; "
                 "set DEBFULLNAME and DEBEMAIL to name yourself")
else()
  set(SETSDRILL_MAINTAINER_GIVEN ON)
endif()
set(SETSDRILL_MAINTAINER "${_name} <${_mail}>")

# The release date as a changelog writes it: "Wed, 09 Dec 2026 12:00:00 +0000".
string(REGEX MATCH "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$" _date "${SETSDRILL_RELEASE_DATE}")
if(NOT _date)
  message(FATAL_ERROR "SETSDRILL_RELEASE_DATE is not YYYY-MM-DD: ${SETSDRILL_RELEASE_DATE}")
endif()
set(_year ${CMAKE_MATCH_1})
set(_dd ${CMAKE_MATCH_3})
string(REGEX REPLACE "^0" "" _m "${CMAKE_MATCH_2}")
string(REGEX REPLACE "^0" "" _d "${_dd}")
set(_y ${_year})
# Sakamoto's rule for the day of the week, 0 for Sunday.
set(_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
math(EXPR _index "${_m} - 1")
list(GET _offsets ${_index} _offset)
if(_m LESS 3)
  math(EXPR _y "${_y} - 1")
endif()
math(EXPR _weekday "(${_y} + ${_y} / 4 - ${_y} / 100 + ${_y} / 400 + ${_offset} + ${_d}) % 7")
set(_days Sun Mon Tue Wed Thu Fri Sat)
set(_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET _days ${_weekday} _day)
list(GET _months ${_index} _month)
set(SETSDRILL_RELEASE_DATE_RFC2822 "${_day}, ${_dd} ${_month} ${_year} 12:00:00 +0000")
