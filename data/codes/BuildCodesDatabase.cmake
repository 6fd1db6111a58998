# cmake -DSQLITE3=<shell> -DOUTPUT=<ncodes.mdb> -DTABLES=<a.sql;b.sql;...> -P BuildCodesDatabase.cmake
# Loads every table file into a fresh database in one transaction, stopping at
# the first error, and only then replaces OUTPUT: a failed build never leaves
# a half-filled database behind.
set(script "${OUTPUT}.sql")
set(partial "${OUTPUT}.partial")
file(WRITE ${script} ".bail on\nPRAGMA journal_mode = DELETE;\nBEGIN;\n")
foreach(table IN LISTS TABLES)
  file(READ ${table} text)
  file(APPEND ${script} "${text}")
endforeach()
file(APPEND ${script} "COMMIT;\nVACUUM;\n")
file(REMOVE ${partial})
execute_process(
  COMMAND ${SQLITE3} -batch ${partial}
  INPUT_FILE ${script}
  RESULT_VARIABLE result
  OUTPUT_QUIET
  ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT errors STREQUAL "")
  file(REMOVE ${partial})
  message(FATAL_ERROR "Building ${OUTPUT} failed:\n${errors}")
endif()
file(RENAME ${partial} ${OUTPUT})
file(REMOVE ${script})
