# Rebuilds one SQLite file from its SQL sources; a failed build leaves no file.
file(REMOVE "${OUTPUT}")
set(tmp "${OUTPUT}.tmp")
file(REMOVE "${tmp}")
foreach(sql IN LISTS SQL_FILES)
    execute_process(
        COMMAND "${SQLITE3}" -bail "${tmp}" ".read '${sql}'"
        RESULT_VARIABLE rc
        ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR err)
        file(REMOVE "${tmp}")
        message(FATAL_ERROR "Building ${OUTPUT} from ${sql} failed: ${err}")
    endif()
endforeach()
file(RENAME "${tmp}" "${OUTPUT}")
