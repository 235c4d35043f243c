# Installs the library into a temporary prefix, then configures, builds and
# runs a tool that finds it with find_package.
# Runs each step (a ;-list of a command and its arguments); the first that
# fails ends the check, naming it.
function(run_steps)
  foreach(step IN LISTS ARGN)
    string(REPLACE "|" ";" command "${step}")
    execute_process(COMMAND ${command} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "step failed: ${command}\n${out}\n${err}")
    endif()
  endforeach()
endfunction()

set(prefix ${BUILD_DIR}/package-check/prefix)
set(work ${BUILD_DIR}/package-check/consumer)
file(REMOVE_RECURSE ${BUILD_DIR}/package-check)
run_steps(
  "${CMAKE_COMMAND}|--install|${BUILD_DIR}|--prefix|${prefix}"
  "${CMAKE_COMMAND}|-S|${SOURCE}|-B|${work}|-G|Ninja|-DCMAKE_PREFIX_PATH=${prefix}"
  "${CMAKE_COMMAND}|--build|${work}")
# Nothing on the loader path: the programs find the library by their run
# paths alone.
unset(ENV{LD_LIBRARY_PATH})
execute_process(COMMAND ${work}/consumer RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "rows 1" OR NOT out MATCHES "casts ok" OR NOT out MATCHES "globals ok"
   OR NOT out MATCHES "form ok")
  message(FATAL_ERROR "the consumer did not run: ${rc}\n${out}\n${err}")
endif()
# The first tool window of the README, built against the install and run.
set(example ${BUILD_DIR}/package-check/first-tool)
run_steps(
  "${CMAKE_COMMAND}|-S|${SOURCE}/../../examples/first-tool|-B|${example}|-G|Ninja|-DCMAKE_PREFIX_PATH=${prefix}"
  "${CMAKE_COMMAND}|--build|${example}")
set(ENV{XDG_CONFIG_HOME} ${BUILD_DIR}/package-check/config)
execute_process(COMMAND ${example}/first-tool --smoke RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT EXISTS ${BUILD_DIR}/package-check/config/word-counter/word-counter.ini)
  message(FATAL_ERROR "the first tool did not run or kept nothing: ${rc}\n${out}\n${err}")
endif()
file(READ ${BUILD_DIR}/package-check/config/word-counter/word-counter.ini kept)
if(NOT kept MATCHES "\\[CorpusFolder\\]" OR NOT kept MATCHES "\\[Window geometry\\]")
  message(FATAL_ERROR "the first tool's form state file lacks its controls:\n${kept}")
endif()
# The README's snippet is that program, word for word.
file(READ ${SOURCE}/../../examples/first-tool/main.cpp program)
file(READ ${SOURCE}/../../README.md readme)
string(FIND "${readme}" "```cpp\n${program}```" at)
if(at EQUAL -1)
  message(FATAL_ERROR "README.md does not show examples/first-tool/main.cpp as it is")
endif()

# The installed developer tools run from the prefix.
file(WRITE ${work}/marked.txt "{ Master_ImageListNumbers\ncm_open = 1,\n")
execute_process(COMMAND ${prefix}/bin/qz8-imagelists table ${work}/marked.txt
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the installed qz8-imagelists did not run: ${rc}\n${out}\n${err}")
endif()
# The Designer plugin is installed into Qt's plugin folder of the prefix.
file(GLOB_RECURSE plugin ${prefix}/*libqz8designer.so)
if(NOT plugin)
  message(FATAL_ERROR "the Designer plugin was not installed under ${prefix}")
endif()
execute_process(COMMAND ${prefix}/bin/qz8-broadcast --help
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "launcher")
  message(FATAL_ERROR "the installed qz8-broadcast did not run: ${rc}\n${out}\n${err}")
endif()
