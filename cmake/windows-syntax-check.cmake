# Writes a Ninja file that compiles every program source with MinGW-w64 in
# syntax-only mode, each with the flags of its Linux compile command, and fails
# when a program source has no Linux compile command to start from.
# Run by scripts/windows-check.sh as
#   cmake -DSOURCE_DIR=... -DLINUX_BUILD=... -DOUTPUT=... -DCOMPILER=... -P windows-syntax-check.cmake
cmake_minimum_required(VERSION 3.25)
foreach(variable SOURCE_DIR LINUX_BUILD OUTPUT COMPILER)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()
set(folders calc places month ui app platform lifetime weblinks)

set(program_sources)
foreach(folder IN LISTS folders)
  file(GLOB_RECURSE found RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder}/*.cpp)
  list(APPEND program_sources ${found})
endforeach()
list(SORT program_sources)

# An argument as the shell reads it, inside a Ninja file.
function(quote argument result)
  if(NOT argument MATCHES "^[A-Za-z0-9_./=+:,@%-]+$")
    string(REPLACE "'" "'\\''" argument "${argument}")
    set(argument "'${argument}'")
  endif()
  string(REPLACE "$" "$$" argument "${argument}")
  set(${result} "${argument}" PARENT_SCOPE)
endfunction()

# The Linux command with another compiler: no output file, no position-independent
# code, Qt's Windows build settings instead of its Linux ones.
function(translate command source result)
  separate_arguments(arguments UNIX_COMMAND "${command}")
  list(POP_FRONT arguments)
  quote("${OUTPUT}/sqlite" sqlite_folder)
  set(line "${COMPILER} -fsyntax-only -isystem ${sqlite_folder}")
  set(skip_next FALSE)
  foreach(argument IN LISTS arguments)
    if(skip_next)
      set(skip_next FALSE)
    elseif(argument STREQUAL "-o")
      set(skip_next TRUE)
    elseif(argument STREQUAL "-c" OR argument STREQUAL source OR argument MATCHES
                                                                  "^-f(PIC|PIE|pic|pie)$")
    else()
      string(REPLACE "/mkspecs/linux-g++" "/mkspecs/win32-g++" argument "${argument}")
      quote("${argument}" quoted)
      string(APPEND line " ${quoted}")
    endif()
  endforeach()
  quote("${source}" quoted)
  set(${result} "${line} ${quoted}" PARENT_SCOPE)
endfunction()

file(READ ${LINUX_BUILD}/compile_commands.json commands)
string(JSON count LENGTH "${commands}")
math(EXPR last "${count} - 1")
set(checked)
set(ninja "rule syntax\n  command = cd $dir && $cmd\n  description = Windows syntax check: $out\n")
foreach(index RANGE ${last})
  string(JSON source GET "${commands}" ${index} file)
  file(RELATIVE_PATH relative ${SOURCE_DIR} ${source})
  if(NOT relative IN_LIST program_sources OR relative IN_LIST checked)
    continue()
  endif()
  list(APPEND checked ${relative})
  string(JSON directory GET "${commands}" ${index} directory)
  string(JSON command GET "${commands}" ${index} command)
  translate("${command}" "${source}" line)
  quote("${directory}" quoted_directory)
  # The output is never written, so every run checks every source again.
  string(APPEND ninja "build ${relative}: syntax\n  dir = ${quoted_directory}\n  cmd = ${line}\n")
endforeach()

list(LENGTH checked checked_count)
file(MAKE_DIRECTORY ${OUTPUT})
# SQLite's header is the same on every system, but it lies among the Linux
# system headers, which MinGW-w64 must not see; a folder of its own holds a copy.
file(COPY /usr/include/sqlite3.h DESTINATION ${OUTPUT}/sqlite)
file(WRITE ${OUTPUT}/build.ninja "${ninja}")
message(STATUS "Windows syntax check: ${checked_count} program sources, each with its Linux flags")

# Written first, so that the sources that can be checked still are.
set(unchecked ${program_sources})
list(REMOVE_ITEM unchecked ${checked})
if(unchecked)
  list(JOIN unchecked "\n  " unchecked)
  message(FATAL_ERROR "These program sources have no compile command in ${LINUX_BUILD}, "
                      "so they cannot be checked for Windows:\n  ${unchecked}")
endif()
