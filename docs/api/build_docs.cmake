# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
# Runs Doxygen, fails on any warning (an undocumented public name is one),
# then builds the Qt help file and fails on any error of qhelpgenerator.
file(REMOVE_RECURSE ${OUT}/html)
execute_process(COMMAND ${DOXYGEN} ${OUT}/Doxyfile WORKING_DIRECTORY ${OUT} RESULT_VARIABLE rc)
file(STRINGS ${OUT}/warnings.log warnings)
list(LENGTH warnings count)
set(undocumented ${warnings})
list(FILTER undocumented INCLUDE REGEX "is not documented")
list(LENGTH undocumented undocumented_count)
message(STATUS "Reference documentation: ${undocumented_count} undocumented public names, ${count} warnings in all")
if(NOT rc EQUAL 0 OR count GREATER 0)
  list(JOIN warnings "\n" shown)
  message(FATAL_ERROR "Doxygen warnings (${OUT}/warnings.log):\n${shown}")
endif()
execute_process(COMMAND ${QHELPGENERATOR} ${OUT}/html/index.qhp -o ${OUT}/QZ8StyledListboxPack.qch
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
message(STATUS "qhelpgenerator: ${out}${err}")
if(NOT rc EQUAL 0 OR "${out}${err}" MATCHES "[Ee]rror|[Ww]arning")
  message(FATAL_ERROR "qhelpgenerator failed: ${rc}")
endif()
