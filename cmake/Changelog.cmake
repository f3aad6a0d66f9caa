# Reads the hand-kept change log (Debian changelog format, newest entry
# first) for what other files repeat from it: the AppStream <release> list and
# the date of the newest release. Only the entry header lines and trailer
# lines are read; dpkg-parsechangelog and lintian check the whole format in
# scripts/check-install.sh.
#
#   varimonde_read_changelog(<file> <releases-var> <newest-date-var>)
#
# Fails the configuration when the newest entry is not for this project's
# version, so that a new version cannot be released without saying what
# changed in it.
function(varimonde_read_changelog file releases_var date_var)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
  file(READ ${file} text)
  # Header: "name (version) distribution; urgency=...". Only the part before
  # the semicolon is matched, as a CMake list cannot hold one.
  string(REGEX MATCHALL "(^|\n)[a-z0-9][a-z0-9.+-]* \\([^)\n]+\\)" headers "${text}")
  # Trailer: " -- Name <address>  Sun, 06 Dec 2026 17:30:00 +0000".
  string(REGEX MATCHALL "\n -- [^\n]+>  [A-Z][a-z][a-z], [0-9]?[0-9] [A-Z][a-z][a-z] [0-9][0-9][0-9][0-9]"
         trailers "${text}")
  list(LENGTH headers entries)
  list(LENGTH trailers trailer_count)
  if(entries EQUAL 0 OR NOT entries EQUAL trailer_count)
    message(FATAL_ERROR "${file}: ${entries} entry headers but ${trailer_count} trailer lines")
  endif()

  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  set(releases "")
  math(EXPR last "${entries} - 1")
  foreach(index RANGE ${last})
    list(GET headers ${index} header)
    list(GET trailers ${index} trailer)
    string(REGEX MATCH "([a-z0-9.+-]+) \\(([^)]+)\\)" _ "${header}")
    set(name "${CMAKE_MATCH_1}")
    set(version "${CMAKE_MATCH_2}")
    if(NOT name STREQUAL PROJECT_NAME)
      message(FATAL_ERROR "${file}: entry ${version} is for \"${name}\", not ${PROJECT_NAME}")
    endif()
    string(REGEX MATCH ", ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9]+)$" _ "${trailer}")
    set(day "${CMAKE_MATCH_1}")
    set(year "${CMAKE_MATCH_3}")
    list(FIND months "${CMAKE_MATCH_2}" month)
    if(month LESS 0)
      message(FATAL_ERROR "${file}: entry ${version} has no month \"${CMAKE_MATCH_2}\"")
    endif()
    math(EXPR month "${month} + 1")
    foreach(part day month)
      string(LENGTH "${${part}}" length)
      if(length EQUAL 1)
        set(${part} "0${${part}}")
      endif()
    endforeach()
    set(date "${year}-${month}-${day}")
    if(index EQUAL 0)
      if(NOT version STREQUAL PROJECT_VERSION)
        message(FATAL_ERROR "${file}: the newest entry is for version ${version}, but the "
                            "project is version ${PROJECT_VERSION}; add an entry that says "
                            "what changed in ${PROJECT_VERSION}")
      endif()
      set(${date_var} "${date}" PARENT_SCOPE)
    else()
      string(APPEND releases "\n")
    endif()
    string(APPEND releases "    <release version=\"${version}\" date=\"${date}\"/>")
  endforeach()
  set(${releases_var} "${releases}" PARENT_SCOPE)
endfunction()
