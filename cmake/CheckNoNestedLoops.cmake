# Fails when a source under SOURCE_DIR waits in an event loop of its own or
# processes events from inside a handler: long work runs as jobs of the one
# event loop, so nothing can start a second operation from inside the first.
# Modal boxes are the exception the window system gives us.
#   cmake -DSOURCE_DIR=src -P CheckNoNestedLoops.cmake
cmake_minimum_required(VERSION 3.21)
get_filename_component(SOURCE_DIR ${SOURCE_DIR} ABSOLUTE)
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(violations)
foreach(source IN LISTS sources)
  file(STRINGS ${SOURCE_DIR}/${source} lines
       REGEX "QEventLoop|processEvents|EventPump|waitFor(ReadyRead|Connected|Disconnected)")
  foreach(line IN LISTS lines)
    list(APPEND violations "${source}: ${line}")
  endforeach()
endforeach()
if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "Nested event loops:\n  ${text}")
endif()
list(LENGTH sources count)
message(STATUS "${count} sources, no nested event loop")
