# cmake -DOUTPUT=<db> -DINPUTS=<a.sql;b.sql> -P BuildDatabase.cmake
# Writes a fresh database beside OUTPUT and renames it, so a failing file never leaves half a database.
find_program(SQLITE3 sqlite3 REQUIRED)
get_filename_component(dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")
set(tmp "${OUTPUT}.building")
file(REMOVE "${tmp}")
foreach(input IN LISTS INPUTS)
  execute_process(COMMAND "${SQLITE3}" -bail "${tmp}" ".read '${input}'"
                  RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    file(REMOVE "${tmp}")
    message(FATAL_ERROR "Shipped database: ${input} failed: ${err}")
  endif()
endforeach()
file(RENAME "${tmp}" "${OUTPUT}")
