# cmake -DSQLITE3=<shell> -DOUTPUT=<ncodes.mdb> -DTABLES=<a.sql;b.sql;...> -P BuildCodesDatabase.cmake
# Loads every table file into a fresh database in one transaction, stopping at
# the first error, and only then replaces OUTPUT: a failed build never leaves
# a half-filled database behind.
set(script "${OUTPUT}.load")
set(partial "${OUTPUT}.partial")
file(WRITE ${script} ".bail on\nPRAGMA journal_mode = DELETE;\nBEGIN;\n")
foreach(table IN LISTS TABLES)
  # The shell's messages give line numbers only: name the file being read.
  file(APPEND ${script} ".print \"loading ${table}\"\n.read \"${table}\"\n")
endforeach()
file(APPEND ${script} "COMMIT;\nVACUUM;\n")
file(REMOVE ${partial})
execute_process(
  COMMAND ${SQLITE3} -batch ${partial}
  INPUT_FILE ${script}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE progress
  ERROR_VARIABLE errors)
file(REMOVE ${script})
if(NOT result EQUAL 0 OR NOT errors STREQUAL "")
  file(REMOVE ${partial})
  string(REGEX MATCH "loading ([^\n]*)\n$" last "${progress}")
  message(FATAL_ERROR "Building ${OUTPUT} failed in ${CMAKE_MATCH_1}:\n${errors}")
endif()
file(RENAME ${partial} ${OUTPUT})
