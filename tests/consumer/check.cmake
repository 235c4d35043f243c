# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
# Installs the library into a temporary prefix, then configures, builds and
# runs a tool that finds it with find_package.
cmake_policy(SET CMP0007 NEW)
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
if(NOT rc EQUAL 0 OR NOT out MATCHES "rows 1" OR NOT out MATCHES "casts ok" OR NOT out MATCHES "globals ok" OR NOT out MATCHES "subclass ok"
   OR NOT out MATCHES "form ok")
  message(FATAL_ERROR "the consumer did not run: ${rc}\n${out}\n${err}")
endif()
# The installed headers: under the prefixed folder only, none private, and
# each compiles on its own, with Qt's keywords off, in a tool of its own.
set(include_root ${prefix}/include/QZ8StyledListboxPack)
file(GLOB_RECURSE installed RELATIVE ${include_root} ${include_root}/*.h)
file(GLOB top_level RELATIVE ${prefix}/include ${prefix}/include/*)
if(NOT top_level STREQUAL "QZ8StyledListboxPack")
  message(FATAL_ERROR "headers installed beside the prefixed folder: ${top_level}")
endif()
set(headers_project ${BUILD_DIR}/package-check/headers)
set(units)
foreach(header IN LISTS installed)
  if(header MATCHES "_p\\.h$")
    message(FATAL_ERROR "a private header is installed: ${header}")
  endif()
  file(STRINGS ${include_root}/${header} private_includes REGEX "#include .*_p\\.h")
  if(private_includes)
    message(FATAL_ERROR "${header} includes a private header: ${private_includes}")
  endif()
  string(MAKE_C_IDENTIFIER ${header} unit)
  file(WRITE ${headers_project}/${unit}.cpp "#include <QZ8StyledListboxPack/${header}>\n")
  list(APPEND units ${unit}.cpp)
endforeach()
list(LENGTH installed count)
message(STATUS "${count} installed headers")
# Compiles each unit (one installed header each) in a project that finds
# package and links target alone, warnings as errors, Qt's keywords off.
function(compile_headers dir package target)
  list(JOIN ARGN " " sources)
  file(WRITE ${dir}/CMakeLists.txt "cmake_minimum_required(VERSION 3.25)
project(headers CXX)
set(CMAKE_CXX_STANDARD 20)
find_package(${package} REQUIRED)
add_library(headers OBJECT ${sources})
set_target_properties(headers PROPERTIES NO_SYSTEM_FROM_IMPORTED ON)
target_compile_definitions(headers PRIVATE QT_NO_KEYWORDS)
target_compile_options(headers PRIVATE -Wall -Wextra -Werror)
target_link_libraries(headers PRIVATE ${target})
")
  run_steps(
    "${CMAKE_COMMAND}|-S|${dir}|-B|${dir}/build|-G|Ninja|-DCMAKE_PREFIX_PATH=${prefix}"
    "${CMAKE_COMMAND}|--build|${dir}/build")
endfunction()
compile_headers(${headers_project} QZ8StyledListboxPack QZ8StyledListboxPack::QZ8StyledListboxPack ${units})

# The form state store alone: its headers compile with Qt Core only (no
# Gui or Widgets include path), and a batch tool on it runs without a
# display. Neither it nor the installed qz8-formstate loads Qt Gui or Widgets.
set(store_units)
foreach(header IN LISTS installed)
  if(header MATCHES "^store/")
    string(MAKE_C_IDENTIFIER ${header} unit)
    list(APPEND store_units ${unit}.cpp)
  endif()
endforeach()
if(NOT store_units)
  message(FATAL_ERROR "no header of the form state store is installed")
endif()
set(store_headers_project ${BUILD_DIR}/package-check/store-headers)
foreach(unit IN LISTS store_units)
  file(COPY ${headers_project}/${unit} DESTINATION ${store_headers_project})
endforeach()
compile_headers(${store_headers_project} QZ8FormStateStore QZ8StyledListboxPack::FormStateStore ${store_units})
set(store_work ${BUILD_DIR}/package-check/store-consumer)
run_steps(
  "${CMAKE_COMMAND}|-S|${SOURCE}/store|-B|${store_work}|-G|Ninja|-DCMAKE_PREFIX_PATH=${prefix}"
  "${CMAKE_COMMAND}|--build|${store_work}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
  ${store_work}/store_consumer RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "migrated 2.0-folder, folder /data/corpus, findings 0")
  message(FATAL_ERROR "the store's consumer did not run without a display: ${rc}\n${out}\n${err}")
endif()
foreach(program IN ITEMS ${store_work}/store_consumer ${prefix}/bin/qz8-formstate)
  execute_process(COMMAND ldd ${program} RESULT_VARIABLE rc OUTPUT_VARIABLE out)
  if(NOT rc EQUAL 0 OR NOT out MATCHES "libQZ8FormStateStore" OR out MATCHES "libQt6(Gui|Widgets|DBus)|libQZ8StyledListboxPack")
    message(FATAL_ERROR "${program} loads more than the store and Qt Core:\n${out}")
  endif()
endforeach()

# The examples, built against the install and run.
set(examples ${BUILD_DIR}/package-check/examples)
run_steps(
  "${CMAKE_COMMAND}|-S|${SOURCE}/../../examples|-B|${examples}|-G|Ninja|-DCMAKE_PREFIX_PATH=${prefix}"
  "${CMAKE_COMMAND}|--build|${examples}")
set(ENV{XDG_CONFIG_HOME} ${BUILD_DIR}/package-check/config)
file(REMOVE_RECURSE ${BUILD_DIR}/package-check/config)
# Each example with what its run must print.
foreach(run IN ITEMS "list-boxes|selected 4 of 4" "colour-pickers|combo shows" "chooser-and-filters|\\(\\*"
                     "margins-and-views|river bank" "image-lists|icons of" "ui-form|2 words, [1-9][0-9]* colours, corpus /tmp"
                     "first-tool|opened 0 times before" "first-tool|opened 1 times before")
  string(REPLACE "|" ";" run "${run}")
  list(GET run 0 name)
  list(GET run 1 expected)
  execute_process(COMMAND ${examples}/${name}/${name} --smoke WORKING_DIRECTORY ${examples}/${name}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT out MATCHES "${expected}")
    message(FATAL_ERROR "the example ${name} did not run as it should: ${rc}\n${out}\n${err}")
  endif()
endforeach()
# Version 1 of the migrating tool keeps its state; version 2 finds it under
# the new names, and the file as it was beside it.
foreach(run IN ITEMS "corpus-tool-v1|version 1 kept its state" "corpus-tool-v2|corpus /data/corpus, password kept, window 20, case on")
  string(REPLACE "|" ";" run "${run}")
  list(GET run 0 name)
  list(GET run 1 expected)
  execute_process(COMMAND ${examples}/migrating-tool/${name} --smoke RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT out MATCHES "${expected}")
    message(FATAL_ERROR "the example ${name} did not run as it should: ${rc}\n${out}\n${err}")
  endif()
endforeach()
if(NOT EXISTS ${BUILD_DIR}/package-check/config/corpus-tool/corpus-tool.ini.before-2.0-corpus-folder)
  message(FATAL_ERROR "the migrating tool kept no backup of its version 1 file")
endif()
# The installed qz8-formstate reads the migrated file.
execute_process(COMMAND ${prefix}/bin/qz8-formstate get ${BUILD_DIR}/package-check/config/corpus-tool/corpus-tool.ini
  CorpusFolder text RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "/data/corpus\n")
  message(FATAL_ERROR "the installed qz8-formstate did not read the migrated file: ${rc}\n${out}\n${err}")
endif()
if(NOT EXISTS ${BUILD_DIR}/package-check/config/word-counter/word-counter.ini)
  message(FATAL_ERROR "the first tool kept nothing")
endif()
file(READ ${BUILD_DIR}/package-check/config/word-counter/word-counter.ini kept)
if(NOT kept MATCHES "\\[CorpusFolder\\]" OR NOT kept MATCHES "\\[Window geometry\\]" OR NOT kept MATCHES "\\[Words\\]")
  message(FATAL_ERROR "the first tool's form state file lacks its controls:\n${kept}")
endif()
# The README's snippet is that program, word for word.
file(READ ${SOURCE}/../../examples/first-tool/main.cpp program)
file(READ ${SOURCE}/../../README.md readme)
string(FIND "${readme}" "```cpp\n${program}```" at)
if(at EQUAL -1)
  message(FATAL_ERROR "README.md does not show examples/first-tool/main.cpp as it is")
endif()
# And its whole CMakeLists.txt, but for the licence lines.
file(STRINGS ${SOURCE}/../../examples/first-tool/CMakeLists.txt lines)
list(FILTER lines EXCLUDE REGEX "^# SPDX-")
list(JOIN lines "\n" lists)
string(FIND "${readme}" "```cmake\n${lists}\n```" at)
if(at EQUAL -1)
  message(FATAL_ERROR "README.md does not show examples/first-tool/CMakeLists.txt as it is")
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
# A form with every designable property of the plugin's components, compiled
# by uic (without stdset) and loaded by QUiLoader through the installed
# plugin: every value reads back.
get_filename_component(plugin_dir ${plugin} DIRECTORY)
set(designer_form ${BUILD_DIR}/package-check/designer-form)
run_steps(
  "${CMAKE_COMMAND}|-S|${SOURCE}/../designer|-B|${designer_form}|-G|Ninja|-DCMAKE_PREFIX_PATH=${prefix}"
  "${CMAKE_COMMAND}|--build|${designer_form}")
execute_process(COMMAND ${designer_form}/designer-form ${SOURCE}/../designer/DesignerForm.ui ${plugin_dir}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the Designer form did not read back: ${rc}\n${out}\n${err}")
endif()
message(STATUS "${out}")
execute_process(COMMAND ${prefix}/bin/qz8-broadcast --help
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "launcher")
  message(FATAL_ERROR "the installed qz8-broadcast did not run: ${rc}\n${out}\n${err}")
endif()
