# Builds a fresh database file from the SQL scripts; a half-built file is never left behind.
get_filename_component(dir ${OUT} DIRECTORY)
file(MAKE_DIRECTORY ${dir})
file(REMOVE ${OUT} ${OUT}.tmp)
foreach(script IN LISTS SCRIPTS)
  execute_process(COMMAND ${SQLITE3} -bail ${OUT}.tmp ".read ${script}"
                  RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    file(REMOVE ${OUT}.tmp)
    message(FATAL_ERROR "${script}: ${err}")
  endif()
endforeach()
# The file will hold social security numbers: for its owner's eyes only.
file(CHMOD ${OUT}.tmp PERMISSIONS OWNER_READ OWNER_WRITE)
file(RENAME ${OUT}.tmp ${OUT})
